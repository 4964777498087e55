// The Error tab and the Error Code button: what a code means and what to do.

#include "app/velloran.h"

#include <QMessageBox>

namespace {
QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}
} // namespace

void Velloran::fillErrorTab(int row)
{
    const QTableWidgetItem *codeItem = ui.tableWidget->item(row, 1);
    if (!codeItem)
        return;
    const QString code = codeItem->text();
    const QStringList parts = code.split(QLatin1Char('-'));
    const QString kind = parts.value(0);
    QString cause, remedy;
    if (kind == QLatin1String("E"))
        errorCauseRemedy(vlog::codeNumber(parts.value(1)), cause, remedy);
    else if (kind == QLatin1String("W"))
        warningCauseRemedy(vlog::codeNumber(parts.value(1)), cause, remedy);
    else if (kind != QLatin1String("S") && parts.size() != 1)
        return;
    ui.ErrorCode->setText(code);
    ui.Message->setText(cellText(ui.tableWidget, row, 2));
    ui.Cause->setText(cause);
    ui.Remedy->setText(remedy);
}

void Velloran::Onclick_Details_Error_Code()
{
    const QString code = ui.error_code->text();
    const QStringList parts = code.split(QLatin1Char('-'));
    const QStringList parameters = ui.axis_no->text().split(QLatin1Char(','));
    const QString kind = parts.value(0);
    const int number = vlog::codeNumber(parts.value(1));
    // Without a second parameter in the axis text the second parameter is
    // "0", as the log parser has it.
    const QString p1 = parameters.value(0);
    const QString p2 = family() == vlog::Family::Lum && parameters.size() >= 2 ? parameters.at(1) : QStringLiteral("0");

    QString message, cause, remedy;
    if (kind == QLatin1String("E")) {
        message = errorMessage(number, p1, p2);
        errorCauseRemedy(number, cause, remedy);
    } else if (kind == QLatin1String("W")) {
        message = warningMessage(number, p1, p2);
        warningCauseRemedy(number, cause, remedy);
    } else if (kind == QLatin1String("S")) {
        lumStopReason(number, message);
    } else if (parts.size() == 1) {
        kavStopReason(code, message);
    }

    const QString text = tr("[Code] ") + code + QStringLiteral("\n\n") + tr("[Message] ") + message
        + QStringLiteral("\n\n") + tr("[Cause] ") + cause + QStringLiteral("\n\n") + tr("[Remedy] ") + remedy;
    QMessageBox::information(this, tr("Velloran"), text, QMessageBox::Ok, QMessageBox::NoButton);
}
