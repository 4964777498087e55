#include "datafiles/datafileformat.h"

#include <QFileInfo>
#include <QStringRef>

namespace vlog {

namespace {

struct DataFileKind
{
    DataFile file;
    const char *kavName;
    const char *lumName;
    const char *kavMarker;
    const char *lumMarker;
};

// One row per data file, in the order of DataFile.
constexpr DataFileKind kDataFiles[] = {
    {DataFile::Mch, "ROBOT.C01", "ROBOT.MCH", "#", "#"},
    {DataFile::Inf, "ROBOT.INF", "ROBOT.INF", "<< ", "=<<"},
    {DataFile::Con, "ROBOT.C00", "ROBOT.CON", "#0", "#0"},
};

const DataFileKind &kindOf(DataFile file)
{
    for (const DataFileKind &kind : kDataFiles)
        if (kind.file == file)
            return kind;
    return kDataFiles[0];
}

// The first `max` fields of the line split at `separator`, without
// splitting the rest of a long line.
QStringList leadingFields(const QString &line, QChar separator, int max)
{
    QStringList fields;
    int start = 0;
    while (fields.size() < max) {
        const int end = line.indexOf(separator, start);
        if (end < 0) {
            fields << line.mid(start);
            break;
        }
        fields << line.mid(start, end - start);
        start = end + 1;
    }
    return fields;
}

// The text after the first run of three blanks; empty without one.
QString afterThreeBlanks(const QString &cell)
{
    const int at = cell.indexOf(QLatin1String("   "));
    return at < 0 ? QString() : cell.mid(at + 3);
}

QString withoutDecoration(QString text)
{
    text.remove(QLatin1Char('>'));
    text.remove(QLatin1Char('='));
    return text;
}

} // namespace

QString dataFileName(DataFile file, Family family)
{
    const DataFileKind &kind = kindOf(file);
    return QLatin1String(family == Family::Kav ? kind.kavName : kind.lumName);
}

QString logDirectory(const QString &logPath)
{
    const QString directory = QFileInfo(logPath).path();
    return directory.isEmpty() ? QStringLiteral(".") : directory;
}

QString companionFilePath(const QString &logPath, const QString &fileName)
{
    return logDirectory(logPath) + QLatin1Char('/') + fileName;
}

QString sectionMarker(DataFile file, Family family)
{
    const DataFileKind &kind = kindOf(file);
    return QLatin1String(family == Family::Kav ? kind.kavMarker : kind.lumMarker);
}

QStringList sectionLines(const QString &section)
{
    return section.split(QLatin1Char('\n'));
}

QString lineAt(const QStringList &lines, int index)
{
    return lines.value(index);
}

DataSection plainSection(const QStringList &lines)
{
    DataSection section;
    section.title = lineAt(lines, 0).simplified();
    for (int i = 1; i < lines.size(); ++i)
        section.entries << lines.at(i).simplified();
    return section;
}

QString infTitle(const QString &line)
{
    return withoutDecoration(line.simplified());
}

bool isCharacteristicTitle(const QString &title)
{
    return title == QLatin1String("System Characteristic Data ");
}

CharacteristicTable characteristicTable(const QStringList &lines)
{
    CharacteristicTable table;
    const QStringList headings =
        leadingFields(lineAt(lines, 1), QLatin1Char(','), CharacteristicTable::kMaxColumns);
    for (const QString &heading : headings)
        table.headings << heading.simplified();
    // Cells beyond the table's columns are not shown.
    const int cellsShown = qMin(int(CharacteristicTable::kRowCells), table.headings.size());
    for (int i = 2; i <= lines.size() - 3; ++i) {
        QStringList cells = leadingFields(lines.at(i), QLatin1Char(','), cellsShown);
        if (!cells.isEmpty())
            cells[0] = afterThreeBlanks(cells.at(0));
        for (QString &cell : cells)
            cell = cell.simplified();
        table.rows << cells;
    }
    return table;
}

InfBlocks infBlocks(const QString &section)
{
    const QVector<QStringRef> parts = section.splitRef(QString(32, QLatin1Char('-')));
    InfBlocks result;
    result.title = withoutDecoration(parts.value(0).toString()).simplified();
    for (int i = 1; i < parts.size(); ++i) {
        const QStringList lines = sectionLines(parts.at(i).toString());
        DataSection block;
        block.title = lineAt(lines, 1).simplified();
        for (int j = 2; j < lines.size(); ++j)
            block.entries << lines.at(j).simplified();
        result.blocks << block;
    }
    return result;
}

DataSection oprDaySection(const QStringList &lines)
{
    DataSection day;
    day.title = lineAt(lines, 0).simplified();
    for (int i = 1; i < lines.size(); ++i) {
        const QString line = lines.at(i).simplified();
        const int colon = line.indexOf(QLatin1Char(':'));
        if (line.leftRef(colon) == QLatin1String("Time"))
            day.entries << line;
    }
    return day;
}

} // namespace vlog
