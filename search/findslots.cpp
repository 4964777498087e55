// The find dialog's slots of the main window: opening the dialog, "Next",
// "All", choosing a listed match and "Close".

#include "app/translation.h"
#include "app/waitcursor.h"
#include "details/language.h"
#include "app/velloran.h"
#include "app/velloranform.h"
#include "search/finddialog.h"
#include "search/tablesearch.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTableWidget>
#include <QTranslator>

void Velloran::OnFind_Dialog()
{
    QTranslator translator;
    if (language() == vlog::Korean) {
        translator.load(vlog::catalogueFileName(vlog::Korean));
        QCoreApplication::installTranslator(&translator);
        findDialog->ui.retranslateUi(findDialog.get());
    }
    // Only with a log loaded.
    if (!ui->tableWidget->item(0, 1))
        return;
    findDialog->ui.gridLayout_3->setSizeConstraint(QLayout::SetFixedSize);
    if (!findDialog->isActiveWindow())
        findDialog->show();
    findDialog->raise();
    findDialog->activateWindow();
}

void Velloran::OnFind_Button()
{
    const QString text = findDialog->ui.lineEdit->text();
    if (!text.isEmpty())
        findNext(text);
}

void Velloran::OnAll_Button()
{
    QListWidget *list = findDialog->ui.listWidget;
    list->clear();
    if (list->isHidden())
        list->show();
    const QString text = findDialog->ui.lineEdit->text();
    if (!text.isEmpty())
        findAll(text);
}

void Velloran::Onclose()
{
    findDialog->closeAndReset();
    ui->tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
}

void Velloran::OnSearch_All_List_Select()
{
    if (findMatches.isEmpty())
        return;
    const int row = findDialog->ui.listWidget->currentRow();
    if (!findMatches.has(row))
        return;
    selectMatch(findMatches.at(row));
}

TableSearch &Velloran::tableSearcher()
{
    if (!tableSearch)
        tableSearch.reset(new TableSearch(ui->tableWidget));
    return *tableSearch;
}

void Velloran::selectMatch(QTableWidgetItem *item)
{
    ui->tableWidget->setSelectionBehavior(QAbstractItemView::SelectItems);
    ui->tableWidget->setCurrentItem(item);
}

void Velloran::showNotFound(const QString &text)
{
    MessageTranslation translation(this);
    QMessageBox::information(this, tr("Velloran"), tr("\"%1\" is Not Found.").arg(text));
}

void Velloran::findNext(const QString &text)
{
    // The matches are read from the table only as far as they are needed.
    findMatches = tableSearcher().find(text);
    if (text != lastFindText)
        findPosition = 0;
    if (findMatches.isEmpty()) {
        showNotFound(text);
        findDialog->raise();
        findDialog->activateWindow();
        return;
    }
    // A position kept from a longer list (another log, the same text) starts
    // again at the first match.
    if (!findMatches.has(findPosition))
        findPosition = 0;
    lastFindText = text;
    selectMatch(findMatches.at(findPosition));
    ++findPosition;
    if (!findMatches.has(findPosition))
        findPosition = 0;
}

void Velloran::findAll(const QString &text)
{
    QList<QTableWidgetItem *> items;
    {
        // "All" reads the whole table and lists every match.
        const WaitCursor wait;
        findMatches = tableSearcher().find(text);
        items = findMatches.all();
        QStringList texts;
        texts.reserve(items.size());
        for (const QTableWidgetItem *item : qAsConst(items))
            texts.append(item->text());
        findDialog->ui.listWidget->insertItems(0, texts);
    }
    if (items.isEmpty())
        showNotFound(text);
}
