// Opening a log: clearing the views, choosing the file, checking its name
// against the family, reading and parsing it.

#include "app/formtables.h"
#include "app/velloran.h"
#include "app/velloranform.h"
#include "app/waitcursor.h"
#include "search/finddialog.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMessageBox>
#include <QTextStream>

#include "log/logfile.h"

void Velloran::Onfileopen()
{
    clearAllViews();
    const QString start = ui->file_add->text().isNull() ? QString() : ui->file_add->text();
    QString path;
    if (ui->kav->isChecked()) {
        path = QFileDialog::getOpenFileName(
            this, tr("Open File Kav"), start,
            tr("Kav Robot Error log files (*.E01);;Kav Robot Stop log files(*.S01);;All files(*.*)"));
    } else {
        path = QFileDialog::getOpenFileName(
            this, tr("Open File Lum/Luma"), start,
            tr("Lum/Luma Robot Error log files (*.ERR);;Lum/Luma Robot Stop log files(*.STP);;All files(*.*)"));
    }
    ui->file_add->setText(path);
    if (!path.isEmpty())
        loadLog(path);
}

void Velloran::clearAllViews()
{
    // Dropping a large log's cells is part of loading the next one.
    const WaitCursor wait;
    ui->treeWidget->clear();
    ui->treeWidget_2->clear();
    ui->treeWidget_3->clear();
    ui->treeWidget_4->clear();

    // The matches of the last search point into the cells about to be
    // cleared, and so do the rows of the match list. The position of "Next"
    // stays; a search brings it back into range.
    findMatches.clear();
    findDialog->ui.listWidget->clear();
    ui->tableWidget->clearContents();
    ui->tableWidget->setSortingEnabled(false);
    arcEntryOfRecord.clear();

    ui->tableWidget_2->clearContents();
    ui->tableWidget_3->clearContents();
    ui->textEdit->clear();

    setDetailValuesVisible(false);

    ui->ErrorCode->setText(tr("Error Code"));
    ui->Message->setText(tr("Message"));
    ui->Cause->setText(tr("Cause"));
    ui->Remedy->setText(tr("Remedy"));
    // The operation flag labels get their captions back and turn white.
    const QString white = QStringLiteral("background: white");
    for (const FormTables::GridLabel &flag : FormTables::flagLabels)
        ((*ui).*flag.field)->setText(tr(flag.text));
    ui->key->setStyleSheet(white);
    for (const FormTables::GridLabel &flag : FormTables::flagLabels)
        ((*ui).*flag.field)->setStyleSheet(white);

    // Under Lum/Luma every signal indicator shows a clear bit; the Kav family
    // keeps them as they are.
    if (family() == vlog::Family::Lum) {
        for (int position = 0; position < 8; ++position) {
            for (int column = vlog::ColDI1; column <= vlog::kLastSignalColumn; ++column)
                updateGeneralIo(0, column, position);
            updateSystemInput(0, position);
            updateSystemOutput(0, position);
        }
    }
}

void Velloran::loadLog(const QString &path)
{
    // The companion files are read whatever becomes of the log itself.
    loadInfFile(path);
    loadMchFile(path);
    loadConFile(path);
    loadOprFile(path);

    if (!isKavLogName(path) && !isLumLogName(path))
        return;

    QFile file(path);
    if (!vlog::openRegularFile(file))
        return;
    const WaitCursor wait;
    const int records = parseLogFile(file);
    countCodes(records);
    file.close();
}

bool Velloran::isKavLogName(const QString &path)
{
    return checkLogName(vlog::Family::Kav, path);
}

bool Velloran::isLumLogName(const QString &path)
{
    return checkLogName(vlog::Family::Lum, path);
}

bool Velloran::checkLogName(vlog::Family checked, const QString &path)
{
    // What the user is told when the name and the chosen family disagree.
    struct Refusal
    {
        const char *otherFamily; // a log of this family while the other is chosen
        const char *otherFile;   // another file while this family is chosen
    };
    static const Refusal kav = {QT_TR_NOOP("Select a Kav button."), QT_TR_NOOP("It's not a E01/S01 file.")};
    static const Refusal lum = {QT_TR_NOOP("Select a Lum button."), QT_TR_NOOP("It's not a ERR/STP file.")};
    const Refusal &refusal = checked == vlog::Family::Kav ? kav : lum;

    const bool chosen = family() == checked;
    if (vlog::isLogName(checked, QFileInfo(path).fileName())) {
        if (chosen)
            return true;
        QMessageBox::warning(this, tr("Velloran"), tr(refusal.otherFamily));
        return false;
    }
    if (chosen)
        QMessageBox::warning(this, tr("Velloran"), tr(refusal.otherFile));
    return false;
}
