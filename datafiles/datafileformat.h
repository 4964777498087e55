#pragma once
// The controller data files of a backup as the viewer reads them: the MCH
// file (ROBOT.MCH / ROBOT.C01), the INF file (ROBOT.INF) and the CON file
// (ROBOT.CON / ROBOT.C00). Text in, sections, entries and table rows out; no
// widgets. Every line shown is whitespace-simplified; a line or field that is
// not there reads as empty text.

#include "log/family.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace vlog {

enum class DataFile { Mch, Inf, Con };

// "ROBOT.MCH" / "ROBOT.C01", "ROBOT.INF", "ROBOT.CON" / "ROBOT.C00".
QString dataFileName(DataFile file, Family family);
// The directory part of the log's path: "." when the path names no directory
// (a bare file name, or an empty path: no log has been opened).
QString logDirectory(const QString &logPath);
// The file of that name in the directory of the log.
QString companionFilePath(const QString &logPath, const QString &fileName);
// The marker that starts each section: "#" (MCH), "<< " (Kav INF), "=<<"
// (Lum/Luma INF), "#0" (CON).
QString sectionMarker(DataFile file, Family family);

// The lines of a section, split at line feeds with empty lines kept.
QStringList sectionLines(const QString &section);
// Line `index` of the lines, or an empty text when there is no such line.
QString lineAt(const QStringList &lines, int index);

// A tree section: its title and its entries, each simplified.
struct DataSection
{
    QString title;
    QStringList entries;
};

// Line 0 is the title, every further line one entry (empty lines too).
DataSection plainSection(const QStringList &lines);

// The title of an INF section: line 0 simplified, then every ">" and every
// "=" removed, so a blank that stood before the decoration stays at the end.
QString infTitle(const QString &line);
// Whether the title is that of the system characteristic data section,
// which is shown as a table: exactly "System Characteristic Data " (with
// the trailing blank).
bool isCharacteristicTitle(const QString &title);

// The system characteristic data table: line 1 holds the headings, lines 2
// to n - 3 one row each, the last two lines are not part of the table.
struct CharacteristicTable
{
    // A row fills at most this many columns.
    static constexpr int kRowCells = 26;
    // More headings than this are not taken; a real table has a few dozen.
    static constexpr int kMaxColumns = 1024;

    QStringList headings;
    // Row cells, simplified; a row with fewer cells than headings fills only
    // the columns it has. Cell 0 is the part after the first run of three
    // blanks (a label stands before it).
    QVector<QStringList> rows;
};
CharacteristicTable characteristicTable(const QStringList &lines);

// The last section of a Lum/Luma INF file: a title part, then blocks, each
// introduced by a line of 32 hyphens. In a block, line 1 is its title and
// lines 2 on its entries; a block without a line 1 has an empty title.
struct InfBlocks
{
    QString title;
    QVector<DataSection> blocks;
};
InfBlocks infBlocks(const QString &section);

// A day of the operation history: line 0 simplified is its title, the time
// lines (first ":"-field exactly "Time") simplified are its entries.
DataSection oprDaySection(const QStringList &lines);

} // namespace vlog
