#pragma once
// The main window: it owns the form, the help database, the record table and
// every other piece of program state, and all the slots. Its members are
// defined in the folder of their subsystem; each section below names the file.

#include "details/helpdatabase.h"
#include "log/logparser.h"
#include "ophistory/oprformat.h"
#include "search/tablesearch.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>
#include <memory>

class FindDialog;
class RecordItems;
class QIODevice;
class QTableWidgetItem;
class QTreeWidgetItem;
class VelloranClass;

class Velloran : public QWidget
{
    Q_OBJECT

public:
    // app/velloran.cpp: the window, its connections and shortcuts, drops.
    explicit Velloran(QWidget *parent = nullptr);
    ~Velloran() override;

    // Paths of the three mode pictures in `directory` (the program's folder),
    // set by main().
    void setModeImagePaths(const QString &directory);

    // Find next and find all with a text that is not empty (search/findslots.cpp).
    void findNext(const QString &text);
    void findAll(const QString &text);

    // The family the radio buttons select and the language the combo box shows.
    vlog::Family family() const;
    int language() const;

    void setDetailValuesVisible(bool visible);

    // log/logopen.cpp: opening a log.
    void clearAllViews();
    void loadLog(const QString &path);
    bool isKavLogName(const QString &path);
    bool isLumLogName(const QString &path);

    // ophistory/opview.cpp: the operation history beside the log;
    // ophistory/oprsave.cpp: the checks before it is saved.
    void loadOprFile(const QString &path);
    bool validateOprText();

    // log/logtable.cpp: parsing a log into the record table.
    void parseLog(const QStringList &chunks);
    // The same on pieces of the log text, without copying them.
    void parseLogChunks(const QVector<QStringRef> &chunks);
    // The same from an open log file, read piece by piece; the number of records.
    int parseLogFile(QIODevice &file);
    void parseArcLines(const QStringList &lines, int start);

    // details/: detail views of the selected row; each takes a row that may
    // lie outside the table and then shows what its cells without items give.
    void fillIoSnapshot(int row);   // iosnapshot.cpp
    void fillErrorTab(int row);     // errortab.cpp
    void fillDetailPanel(int row);  // detailpanel.cpp
    void fillArcView(int row);      // arcview.cpp
    // details/iosnapshot.cpp: the bits of one byte at position `position` of a signal column.
    void updateSystemInput(int bits, int position);
    void updateSystemOutput(int bits, int position);
    void updateGeneralIo(int bits, int column, int position);

    // log/statistics.cpp: error statistics of the loaded log.
    void countCodes(int records);
    void fillStatistics(const QList<int> &counts, const QStringList &codes);

    // details/messagelookups.cpp: message lookups of the family and language chosen now.
    QString errorMessage(int code, const QString &p1, const QString &p2) const;
    QString warningMessage(int code, const QString &p1, const QString &p2) const;
    void kavStopReason(const QString &code, QString &text) const;
    void lumStopReason(int code, QString &text) const;
    void errorCauseRemedy(int code, QString &cause, QString &remedy) const;
    void warningCauseRemedy(int code, QString &cause, QString &remedy) const;
    // details/errortab.cpp: the message of a record's code with the parameters
    // of its "AxisNo" text; cause and remedy of errors and warnings (left as
    // they were for other kinds).
    QString codeMessage(const QString &code, const QString &axisText) const;
    void codeCauseRemedy(const vlog::CodeMeaning &meaning, QString &cause, QString &remedy) const;

    // The help database that start-up fills (details/helploading.cpp).
    vlog::HelpDatabase &helpDatabase() { return help; }
    // app/language.cpp: every translatable text of the window again, from the
    // catalogues installed now; a language index made current in the combo
    // box without translating.
    void retranslate();
    void selectLanguageIndex(int language);

    // Controller data files beside the log and their trees
    // (datafiles/datafileview.cpp; the tree builder in datafiles/filetree.cpp).
    void loadInfFile(const QString &path);
    void loadMchFile(const QString &path);
    void loadConFile(const QString &path);
    void addFileTree(const QString &kind, const QStringList &lines);
    void addTreeChild(QTreeWidgetItem *item, const QString &text);
    void fillCharacteristicTable(const QStringList &lines);
    void addInfBlockTree(const QString &section);

public slots:
    void Onfileopen();                      // log/logopen.cpp
    void OnRowSelect(int row, int column);  // log/recordtable.cpp
    void Onclick_Details_Error_Code();      // details/errortab.cpp
    void OnClick_Details_Program();         // programview/programbutton.cpp
    void OnKav_System_IO();                 // details/iosnapshot.cpp
    void OnLum_System_IO();                 // details/iosnapshot.cpp
    void OnHistory_btn();                   // datafiles/datafileview.cpp
    void OnSelectLang(int item);            // app/language.cpp
    void OnHelp_Manual();                   // app/language.cpp
    void OnVersion();                       // app/language.cpp
    void sectionClicked(int column);        // log/recordtable.cpp
    void OnFind_Dialog();                   // search/findslots.cpp, as the four below
    void OnFind_Button();
    void OnAll_Button();
    void Onclose();
    void OnSearch_All_List_Select();
    // ophistory/opview.cpp: the date tree and the cursor of the history text.
    void OPRDateTimeSelect(QTreeWidgetItem *item, int column);
    void highlightCurrentLine();
    void Flag_KeyStatus();
    void OPRDateTime_TextEdit();
    void OnOPRSave();                       // ophistory/oprsave.cpp

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;  // log/recordtable.cpp
    void closeEvent(QCloseEvent *event) override;  // app/velloran.cpp, as the drops
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // log/logopen.cpp: either file-name check; whether a log of the family
    // `checked` may be read, after telling the user why not.
    bool checkLogName(vlog::Family checked, const QString &path);
    // log/logtable.cpp: the parser's notices as message boxes.
    void showNotice(vlog::Notice notice);
    // details/arcview.cpp: which arc entry the record of a row carries.
    int arcEntryOfRow(int row) const;
    // ophistory/opview.cpp: the flags of a flag line, the key and menu path
    // of a key line, the mode picture, and selecting a text.
    void showFlags(int line);
    void showKeyStatus(int line);
    void showModePicture(vopr::ModePicture mode);
    void selectFirstOccurrence(const QString &text);
    // The matches of a find text, kept while the record table is unchanged
    // (search/findslots.cpp, search/tablesearch.*).
    TableSearch &tableSearcher();
    void selectMatch(QTableWidgetItem *item);
    // The information box of a search text that no cell contains.
    void showNotFound(const QString &text);
    std::unique_ptr<TableSearch> tableSearch;
    // The record table's items row by row, which sorting reads (log/recorditems.*).
    RecordItems &recordItems();
    std::unique_ptr<RecordItems> recordItemsCopy;
    friend class TableSink;

    std::unique_ptr<VelloranClass> ui;

    QString autoImagePath;
    QString manualImagePath;
    QString remoteImagePath;

    // Help texts and stop-reason tables, filled once at start-up.
    vlog::HelpDatabase help;
    // Arc information of the open log, one entry per record with an arc block.
    vlog::ArcLists arcLists;
    // Which arc entry the record of a row carries, keyed by the row's first
    // item so that it follows the row through sorting.
    QHash<const QTableWidgetItem *, int> arcEntryOfRecord;
    // Lines of the operation history.
    QStringList oprLines;

    int remoteOn = 0;
    int autoModeOn = 0;
    bool arcFlag = false;
    bool sortToggle = false;

    std::unique_ptr<FindDialog> findDialog;
    FindMatches findMatches;
    int findPosition = 0;
    QString lastFindText;
};
