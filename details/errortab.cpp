// The Error tab and the Error Code button: what a code means and what to do.

#include "app/velloran.h"
#include "app/velloranform.h"

#include <QMessageBox>

namespace {
QString cellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text() : QString();
}
} // namespace

QString Velloran::codeMessage(const QString &code, const QString &axisText) const
{
    return help.codeMessage(family(), language(), code, axisText);
}

void Velloran::codeCauseRemedy(const vlog::CodeMeaning &meaning, QString &cause, QString &remedy) const
{
    help.codeCauseRemedy(family(), language(), meaning, cause, remedy);
}

void Velloran::fillErrorTab(int row)
{
    const QTableWidgetItem *codeItem = ui->tableWidget->item(row, vlog::ColCode);
    if (!codeItem)
        return;
    const QString code = codeItem->text();
    const vlog::CodeMeaning meaning = vlog::codeMeaning(code);
    if (meaning.kind == vlog::CodeKind::Unknown)
        return;
    QString cause, remedy;
    codeCauseRemedy(meaning, cause, remedy);
    ui->ErrorCode->setText(code);
    ui->Message->setText(cellText(ui->tableWidget, row, vlog::ColMessage));
    ui->Cause->setText(cause);
    ui->Remedy->setText(remedy);
}

void Velloran::Onclick_Details_Error_Code()
{
    const QString code = ui->error_code->text();
    // Without a second parameter in the axis text the second parameter is
    // "0", as the log parser has it.
    const QString message = codeMessage(code, ui->axis_no->text());
    QString cause, remedy;
    codeCauseRemedy(vlog::codeMeaning(code), cause, remedy);

    const QString text = tr("[Code] ") + code + QStringLiteral("\n\n") + tr("[Message] ") + message
        + QStringLiteral("\n\n") + tr("[Cause] ") + cause + QStringLiteral("\n\n") + tr("[Remedy] ") + remedy;
    QMessageBox::information(this, tr("Velloran"), text, QMessageBox::Ok, QMessageBox::NoButton);
}
