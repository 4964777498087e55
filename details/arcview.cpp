// The arc welding signals and analog values of the selected record.

#include "app/velloran.h"
#include "app/velloranform.h"
#include "details/signalbytes.h"

namespace {

// Checks the High or Low button of each signal an arc text names; signals
// beyond the text's items, and those it leaves open, keep their state.
void showArcSignals(const QString &text, const vlog::ArcItem (&items)[vlog::kArcSignals],
                    QRadioButton *const (&low)[vlog::kArcSignals], QRadioButton *const (&high)[vlog::kArcSignals])
{
    const QVector<vlog::ArcState> states = vlog::arcStates(text, items);
    for (int i = 0; i < states.size(); ++i) {
        QRadioButton *button = nullptr;
        if (states.at(i) == vlog::ArcState::High)
            button = high[i];
        else if (states.at(i) == vlog::ArcState::Low)
            button = low[i];
        if (button)
            button->setChecked(true);
    }
}

void showText(QLabel *label, const QStringList &list, int entry)
{
    if (label && entry < list.size())
        label->setText(list.at(entry));
}

} // namespace

int Velloran::arcEntryOfRow(int row) const
{
    const QTableWidgetItem *item = ui->tableWidget->item(row, vlog::ColNo);
    if (!item)
        return -1;
    return arcEntryOfRecord.value(item, -1);
}

void Velloran::fillArcView(int row)
{
    const int entry = arcEntryOfRow(row);
    if (entry < 0)
        return;
    const vlog::ArcLists &arc = arcLists;
    if (entry < arc.arcInputs.size())
        showArcSignals(arc.arcInputs.at(entry), vlog::arcInputItems, ui->arcInputLow, ui->arcInputHigh);
    showText(ui->AI0104, arc.analogInputs1, entry);
    showText(ui->AI0508, arc.analogInputs2, entry);
    if (entry < arc.arcOutputs.size())
        showArcSignals(arc.arcOutputs.at(entry), vlog::arcOutputItems, ui->arcOutputLow, ui->arcOutputHigh);
    showText(ui->AO0104, arc.analogOutputs1, entry);
    showText(ui->AO0508, arc.analogOutputs2, entry);
}
