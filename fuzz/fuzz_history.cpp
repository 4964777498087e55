// The operation history: flag lines, key and menu lines at every index with
// labels carried from line to line as the cursor moves, the tree keys, the
// check before saving; and the job lookup and the find matching.

#include "ophistory/oprformat.h"
#include "programview/joblookup.h"
#include "search/findmatch.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QStringList lines = text.split(QLatin1Char('\n'));

    vopr::FlagDisplay flags;
    vopr::KeyLabels labels;
    for (int k = -1; k <= lines.size(); ++k) {
        vopr::decodeFlagLine(lines, k, flags);
        vopr::flagLineAbove(lines, k);
        vopr::decodeKeyLine(lines, k, labels);
        if (k >= 0 && k < lines.size())
            vopr::treeKeyOfLine(lines.at(k));
    }
    vopr::checkHistoryText(text);
    vopr::suggestedSaveName(lines.value(0));

    const QString name = lines.value(0);
    vjob::lumNamePart(name);
    vjob::kavNamePart(name);
    vjob::resolveNamePart(lines, name);
    vjob::stepMarker(vjob::stepNumber(lines.value(1)));

    // A search read match by match, and a search that passes over the columns
    // found not to hold the text, both find what reading every cell finds.
    QVector<vfind::ColumnChars> chars(3);
    QVector<bool> known(3, false);
    const QString needle = lines.value(1);
    const auto cell = [&](int row, int column, QString &out) {
        out = lines.value(row).section(QLatin1Char(','), column, column);
        return row % 7 != 3;
    };
    vfind::ColumnScan stepwise(int(lines.size()), 3, needle);
    for (int count = 1; !stepwise.finished(); ++count)
        stepwise.advance(count, chars, known, cell);
    const QVector<vfind::CellPos> filtered = vfind::findInColumns(int(lines.size()), 3, needle, chars, known, cell);
    QVector<vfind::ColumnChars> none(3);
    QVector<bool> unknown(3, false);
    const QVector<vfind::CellPos> whole = vfind::findInColumns(int(lines.size()), 3, needle, none, unknown, cell);
    const auto same = [](const QVector<vfind::CellPos> &a, const QVector<vfind::CellPos> &b) {
        if (a.size() != b.size())
            return false;
        for (int i = 0; i < a.size(); ++i)
            if (a.at(i).row != b.at(i).row || a.at(i).column != b.at(i).column)
                return false;
        return true;
    };
    if (!same(stepwise.found(), whole) || !same(filtered, whole))
        std::abort();
    return 0;
}
