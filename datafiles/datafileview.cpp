// The controller data files beside the open log in their trees and the
// system characteristic data table, and the history text handed to the
// desktop's viewer.

#include "app/translation.h"
#include "app/velloran.h"
#include "app/velloranform.h"
#include "datafiles/datafileformat.h"
#include "datafiles/filetree.h"
#include "log/logfile.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QUrl>

namespace {

// The sections of the data file beside the log; when the file cannot be
// opened, its tree gets the notice instead and the result is false.
bool readDataFile(Velloran &window, vlog::DataFile file, FileTree tree, const QString &logPath,
                  QStringList &sections)
{
    const vlog::Family family = window.family();
    QFile data(vlog::companionFilePath(logPath, vlog::dataFileName(file, family)));
    if (!vlog::openRegularFile(data, QIODevice::ReadOnly | QIODevice::Text)) {
        const MessageTranslation translation(&window);
        window.addFileTree(missingFileMessage(tree), QStringList());
        return false;
    }
    sections = vlog::readLogText(data).split(vlog::sectionMarker(file, family));
    return true;
}

// Every section after the first of an MCH or CON file, each a title and its entries.
void loadPlainSections(Velloran &window, vlog::DataFile file, FileTree tree, const QString &logPath)
{
    QStringList sections;
    if (!readDataFile(window, file, tree, logPath, sections))
        return;
    for (int i = 1; i < sections.size(); ++i)
        window.addFileTree(fileTreeKind(tree), vlog::sectionLines(sections.at(i)));
}

} // namespace

void Velloran::loadMchFile(const QString &path)
{
    loadPlainSections(*this, vlog::DataFile::Mch, FileTree::Mch, path);
}

void Velloran::loadConFile(const QString &path)
{
    loadPlainSections(*this, vlog::DataFile::Con, FileTree::Con, path);
}

void Velloran::loadInfFile(const QString &path)
{
    QStringList sections;
    if (!readDataFile(*this, vlog::DataFile::Inf, FileTree::Inf, path, sections))
        return;
    // Under Lum/Luma the last section has a layout of its own; without any
    // marker the whole text is that section.
    const bool lastIsBlocks = family() == vlog::Family::Lum;
    const int plainEnd = lastIsBlocks ? sections.size() - 1 : sections.size();
    for (int i = 1; i < plainEnd; ++i)
        addFileTree(fileTreeKind(FileTree::Inf), vlog::sectionLines(sections.at(i)));
    if (lastIsBlocks)
        addInfBlockTree(sections.last());
}

void Velloran::fillCharacteristicTable(const QStringList &lines)
{
    const vlog::CharacteristicTable content = vlog::characteristicTable(lines);
    QTableWidget *table = ui->tableWidget_3;
    // Only this section shows, also when the file has another one before it.
    table->clearContents();
    table->setColumnCount(content.headings.size());
    for (int column = 0; column < content.headings.size(); ++column)
        table->setHorizontalHeaderItem(column, new QTableWidgetItem(content.headings.at(column)));
    table->setRowCount(content.rows.size());
    for (int row = 0; row < content.rows.size(); ++row) {
        const QStringList &cells = content.rows.at(row);
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
}

void Velloran::addInfBlockTree(const QString &section)
{
    const vlog::InfBlocks blocks = vlog::infBlocks(section);
    auto *top = new QTreeWidgetItem(0);
    top->setText(0, blocks.title);
    for (const vlog::DataSection &block : blocks.blocks) {
        auto *child = new QTreeWidgetItem(0);
        child->setText(0, block.title);
        for (const QString &entry : block.entries)
            addTreeChild(child, entry);
        top->addChild(child);
    }
    ui->treeWidget_2->addTopLevelItem(top);
}

void Velloran::OnHistory_btn()
{
    const QString logPath = ui->file_add->text();
    // A bare name or an empty field: no log has been opened.
    if (vlog::logDirectory(logPath) == QLatin1String(".")) {
        const MessageTranslation translation(this);
        QMessageBox::warning(this, tr("Velloran"), tr("Please open the ERR file and try again."));
        return;
    }
    const QString history = vlog::companionFilePath(logPath, QStringLiteral("HISTORY.TXT"));
    if (QFileInfo(history).isFile()) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(history));
        return;
    }
    const MessageTranslation translation(this);
    QMessageBox::warning(this, tr("Velloran"), tr("HISTORY.TXT does not exist."));
}
