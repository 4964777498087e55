// Checking an edited operation history and saving it as a new file.

#include "app/formtables.h"
#include "app/translation.h"
#include "app/velloran.h"
#include "app/velloranform.h"
#include "ophistory/oprformat.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>

bool Velloran::validateOprText()
{
    MessageTranslation translation(this);
    const vopr::TextCheck check = vopr::checkHistoryText(ui->textEdit->toPlainText());
    if (check.message) {
        QMessageBox::warning(this, QStringLiteral("Velloran"), tr(check.message));
        selectFirstOccurrence(check.offending);
    }
    return check.ok;
}

void Velloran::OnOPRSave()
{
    if (!validateOprText())
        return;
    MessageTranslation translation(this);
    const QString name = QFileDialog::getSaveFileName(this, tr("Save OPR File"),
                                                      vopr::suggestedSaveName(ui->file_add->text()),
                                                      tr("OPR files(*.OPR);;All files(*.*)"));
    if (name.isEmpty())
        return;
    // A file that cannot be written stays as it was, without a message.
    vopr::saveHistoryFile(name, ui->textEdit->toPlainText());

    ui->treeWidget_4->clear();
    loadOprFile(ui->file_add->text());

    QTranslator korean;
    if (language() == vlog::Korean && korean.load(vlog::catalogueFileName(vlog::Korean)))
        QCoreApplication::installTranslator(&korean);
    ui->Menu->setText(tr("Menu"));
    const QString white = QStringLiteral("background: white");
    ui->key->setStyleSheet(white);
    for (const FormTables::GridLabel &flag : FormTables::flagLabels) {
        ((*ui).*flag.field)->setText(tr(flag.text));
        ((*ui).*flag.field)->setStyleSheet(white);
    }
}
