// The one builder of the companion-file trees: the sections of the MCH, INF
// and CON files, the days of the operation history and the notices of a
// missing file.

#include "datafiles/filetree.h"

#include "app/velloran.h"
#include "app/velloranform.h"
#include "datafiles/datafileformat.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {

struct FileTreeText
{
    FileTree tree;
    const char *kind;
    const char *missing;
};

// In the order in which a notice is matched.
constexpr FileTreeText kFileTrees[] = {
    {FileTree::Mch, "MCH", QT_TRANSLATE_NOOP("Velloran", "MCH File does not exist.")},
    {FileTree::Inf, "INF", QT_TRANSLATE_NOOP("Velloran", "INF File does not exist.")},
    {FileTree::Con, "CON", QT_TRANSLATE_NOOP("Velloran", "CON File does not exist.")},
    {FileTree::Opr, "OPR", QT_TRANSLATE_NOOP("Velloran", "OPR File does not exist.")},
};

const FileTreeText &textsOf(FileTree tree)
{
    for (const FileTreeText &texts : kFileTrees)
        if (texts.tree == tree)
            return texts;
    return kFileTrees[0];
}

QTreeWidgetItem *newItem(const QString &text)
{
    auto *item = new QTreeWidgetItem(0);
    item->setText(0, text);
    return item;
}

} // namespace

QString fileTreeKind(FileTree tree)
{
    return QLatin1String(textsOf(tree).kind);
}

QString missingFileMessage(FileTree tree)
{
    return Velloran::tr(textsOf(tree).missing);
}

void Velloran::addTreeChild(QTreeWidgetItem *item, const QString &text)
{
    item->addChild(newItem(text));
}

void Velloran::addFileTree(const QString &kind, const QStringList &lines)
{
    // A section is built whole before it joins its tree.
    auto addSection = [&](QTreeWidget *tree, const vlog::DataSection &section) {
        QTreeWidgetItem *top = newItem(section.title);
        for (const QString &entry : section.entries)
            addTreeChild(top, entry);
        tree->addTopLevelItem(top);
    };

    if (kind == fileTreeKind(FileTree::Mch)) {
        addSection(ui->treeWidget, vlog::plainSection(lines));
    } else if (kind == fileTreeKind(FileTree::Con)) {
        addSection(ui->treeWidget_3, vlog::plainSection(lines));
    } else if (kind == fileTreeKind(FileTree::Opr)) {
        addSection(ui->treeWidget_4, vlog::oprDaySection(lines));
    } else if (kind == fileTreeKind(FileTree::Inf)) {
        const QString title = vlog::infTitle(vlog::lineAt(lines, 0));
        if (!vlog::isCharacteristicTitle(title)) {
            vlog::DataSection section = vlog::plainSection(lines);
            section.title = title;
            addSection(ui->treeWidget_2, section);
            return;
        }
        addSection(ui->treeWidget_2, {title, {tr("Check the next table.")}});
        fillCharacteristicTable(lines);
    } else {
        QTreeWidget *const trees[] = {ui->treeWidget, ui->treeWidget_2, ui->treeWidget_3, ui->treeWidget_4};
        for (const FileTreeText &texts : kFileTrees) {
            if (kind == tr(texts.missing)) {
                trees[static_cast<int>(texts.tree)]->addTopLevelItem(newItem(kind));
                return;
            }
        }
    }
}
