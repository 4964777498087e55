// Filling the record table from a parsed log, and the parser's notices.

#include "app/translation.h"
#include "app/waitcursor.h"
#include "app/velloran.h"
#include "details/helpdatabase.h"
#include "app/velloranform.h"
#include "log/logload.h"
#include "log/recorditems.h"
#include "search/tablesearch.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>


// Puts each row into the record table as the parser delivers it. Every row
// starts at the default height; only eight-axes rows are resized.
class TableSink : public vlog::LogSink
{
public:
    explicit TableSink(Velloran &window)
        : m_window(window), m_table(window.ui->tableWidget), m_search(window.tableSearcher()),
          m_items(window.recordItems())
    {
    }

    ~TableSink() override
    {
        announceCells();
        m_items.endFill();
        m_search.endFill();
        m_table->verticalHeader()->setUpdatesEnabled(true);
    }

    void begin(int rowCount) override
    {
        // Dropping the rows drops the heights that the previous log gave them.
        m_window.arcEntryOfRecord.clear();
        m_table->setRowCount(0);
        m_table->verticalHeader()->setDefaultSectionSize(vlog::kRowHeight);
        m_table->setRowCount(rowCount);
        m_items.beginFill(rowCount, m_table->columnCount());
        m_search.beginFill();
        // Without updates a row's new height costs the same in a table of
        // any length.
        m_table->verticalHeader()->setUpdatesEnabled(false);
        quiet();
    }
    void notice(vlog::Notice notice) override
    {
        // The rows so far stand in the table behind the notice.
        announceCells();
        m_table->verticalHeader()->setUpdatesEnabled(true);
        m_window.showNotice(notice);
        m_table->verticalHeader()->setUpdatesEnabled(false);
        quiet();
    }
    void row(int row, const vlog::LogRow &cells) override
    {
        for (int c = 0; c < vlog::kRecordColumns; ++c) {
            if (!cells.has(c))
                continue;
            auto *item = new QTableWidgetItem(cells.cells[size_t(c)]);
            m_table->setItem(row, c, item);
            m_items.set(row, c, item, cells.cells[size_t(c)]);
            m_search.addCell(c, cells.cells[size_t(c)]);
            if (c == vlog::ColNo && cells.arcEntry >= 0)
                m_window.arcEntryOfRecord.insert(item, cells.arcEntry);
        }
        if (cells.eightAxes)
            m_table->setRowHeight(row, cells.height());
        m_filled = std::max(m_filled, row + 1);
    }

private:
    // While the table fills, its model tells no one of each new cell: a shown
    // table would find the place of every cell, which after a row's new
    // height means measuring all rows again. The cells are announced at
    // once, before a notice and at the end.
    void quiet() { m_wasQuiet = m_table->model()->blockSignals(true); m_quiet = true; }
    void announceCells()
    {
        if (!m_quiet)
            return;
        QAbstractItemModel *model = m_table->model();
        model->blockSignals(m_wasQuiet);
        m_quiet = false;
        if (m_filled > m_announced) {
            emit model->dataChanged(model->index(m_announced, 0), model->index(m_filled - 1, vlog::kRecordColumns - 1));
            m_announced = m_filled;
        }
    }

    Velloran &m_window;
    QTableWidget *m_table;
    TableSearch &m_search;
    RecordItems &m_items;
    bool m_quiet = false;
    bool m_wasQuiet = false;
    int m_filled = 0;      // rows up to here have their cells
    int m_announced = 0;   // rows up to here were announced
};

void Velloran::parseLog(const QStringList &chunks)
{
    parseLogChunks(vlog::refsOf(chunks));
}

void Velloran::parseLogChunks(const QVector<QStringRef> &chunks)
{
    const bool stop = vlog::isStopLogName(QFileInfo(ui->file_add->text()).fileName());
    vlog::DatabaseLookups lookups(help, family(), language());
    TableSink sink(*this);
    vlog::parseLog(chunks, family(), stop, lookups, arcFlag, arcLists, sink);
}

int Velloran::parseLogFile(QIODevice &file)
{
    // The file is read, decoded and parsed block by block; the table is
    // filled row by row as the parser gives them, and each notice is shown
    // before the row of its record.
    const bool stop = vlog::isStopLogName(QFileInfo(ui->file_add->text()).fileName());
    vlog::DatabaseLookups lookups(help, family(), language());
    TableSink sink(*this);
    vlog::LogParser parser(family(), stop, lookups, arcFlag, arcLists, sink);
    return vlog::readAndParse(file, parser);
}

void Velloran::parseArcLines(const QStringList &lines, int start)
{
    vlog::appendArcBlock(lines, start, arcLists);
}

void Velloran::showNotice(vlog::Notice notice)
{
    const WaitCursor::Paused arrow;
    if (notice == vlog::Notice::EightAxes) {
        const MessageTranslation translation(this);
        QMessageBox::information(this, tr("Velloran"),
                                 tr("This file is error file of 8 Axis or more.\nThe axis is output in two rows.\n\n"
                                    "Top line - Axis1~8\nBottom line - Axis9~16"));
        return;
    }
    NoticeTranslation translation(this);
    const QString text =
        notice == vlog::Notice::Arc
            ? tr("In addition to basic information, Arc information is included.\nPlease, check Arc In/Output "
                 "Signal tab.")
            : tr("In addition to basic information, it also contains information that is not defined.\nPlease, "
                 "check the JOB file.");
    QMessageBox::warning(this, tr("Velloran"), text);
}
