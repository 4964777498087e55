// The system and general input/output indicators of the selected record.

#include "app/velloran.h"
#include "app/velloranform.h"
#include "details/signalbytes.h"

namespace {

const QString kLit = QStringLiteral("background: yellow");
const QString kUnlit = QStringLiteral("background: white");
const QString kChecked = QStringLiteral("color : blue");
const QString kUnchecked = QStringLiteral("color : grey");

// Style sheets are set only when they change: setting one re-polishes the
// widget, which is what makes a row selection cost time.
void setStyleIfChanged(QWidget *widget, const QString &style)
{
    if (widget->styleSheet() != style)
        widget->setStyleSheet(style);
}

template <size_t N>
QLabel *labelNamed(QLabel *const (&labels)[N], const char *name)
{
    for (QLabel *label : labels)
        if (label && label->objectName() == QLatin1String(name))
            return label;
    return nullptr;
}

// Lights the labels that the bits of byte `position` drive.
template <size_t N, size_t M>
void showSystemByte(const vlog::SignalBit (&table)[N], QLabel *const (&labels)[M], int bits, int position)
{
    for (const vlog::SignalBit &signal : table) {
        if (signal.byte != position)
            continue;
        if (QLabel *label = labelNamed(labels, signal.label))
            setStyleIfChanged(label, vlog::bitSet(bits, signal.bit) ? kLit : kUnlit);
    }
}

template <size_t M>
void styleAll(QLabel *const (&labels)[M], const QString &style)
{
    for (QLabel *label : labels)
        if (label)
            label->setStyleSheet(style);
}

} // namespace

void Velloran::fillIoSnapshot(int row)
{
    QTableWidget *table = ui->tableWidget;
    const bool inTable = row >= 0 && row < table->rowCount();
    for (int column = vlog::kFirstSignalColumn; column <= vlog::kLastSignalColumn; ++column) {
        // A row outside the table reads as empty texts; a cell of an existing
        // row without an item is left out, its indicators keep their state.
        QString text;
        if (inTable) {
            const QTableWidgetItem *item = table->item(row, column);
            if (!item)
                continue;
            text = item->text();
        }
        const QVector<int> bytes = vlog::signalBytes(text);
        for (int k = 0; k < bytes.size(); ++k) {
            if (column == vlog::ColSI)
                updateSystemInput(bytes.at(k), k);
            else if (column == vlog::ColSO)
                updateSystemOutput(bytes.at(k), k);
            else
                updateGeneralIo(bytes.at(k), column, k);
        }
    }
}

void Velloran::updateSystemInput(int bits, int position)
{
    if (ui->kav->isChecked())
        return;
    showSystemByte(vlog::systemInputBits, ui->systemInputLabels, bits, position);
}

void Velloran::updateSystemOutput(int bits, int position)
{
    if (ui->kav->isChecked())
        return;
    showSystemByte(vlog::systemOutputBits, ui->systemOutputLabels, bits, position);
}

void Velloran::updateGeneralIo(int bits, int column, int position)
{
    const vlog::GeneralIo io = vlog::generalIoOf(column);
    if (io == vlog::GeneralIo::None)
        return;
    QCheckBox *const *boxes = io == vlog::GeneralIo::Input ? ui->DI : ui->DO;
    for (int bit = 0; bit < 8; ++bit) {
        const int n = vlog::generalIoNumber(column, position, bit);
        if (n < 1 || n > vlog::kGeneralIoCount)
            return;
        QCheckBox *box = boxes[n - 1];
        if (!box)
            continue;
        const bool set = vlog::bitSet(bits, bit);
        box->setChecked(set);
        setStyleIfChanged(box, set ? kChecked : kUnchecked);
    }
}

// The system labels (with the "-" labels between their groups) are greyed
// while the older family, which logs no system signals, is chosen.
void Velloran::OnKav_System_IO()
{
    const QString grey = QStringLiteral("color: grey");
    styleAll(ui->systemInputLabels, grey);
    styleAll(ui->systemOutputLabels, grey);
}

void Velloran::OnLum_System_IO()
{
    const QString black = QStringLiteral("color: black");
    styleAll(ui->systemInputLabels, black);
    styleAll(ui->systemOutputLabels, black);
}
