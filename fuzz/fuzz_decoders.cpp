// The string decoders: signal bytes, arc states, code meanings, message
// templates, the statistics' code endings, and the data-file sections.

#include "datafiles/datafileformat.h"
#include "details/messagecodes.h"
#include "details/signalbytes.h"
#include "log/codesuffix.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    const QStringList parts = text.split(QLatin1Char('\n'));

    for (int byte : vlog::signalBytes(text))
        if (byte < 0 || byte > 255)
            __builtin_trap();
    vlog::arcStates(text, vlog::arcInputItems);
    vlog::arcStates(text, vlog::arcOutputItems);
    for (int column = -1; column <= vlog::kRecordColumns; ++column)
        vlog::generalIoNumber(column, int(size % 10) - 1, int(size % 9) - 1);

    vlog::codeMeaning(text);
    vlog::messageParameters(text, vlog::Family::Lum);
    vlog::fillMessageTemplate(text, parts.value(1), parts.value(2));

    QVector<int> found;
    vlog::CodeSuffixes(parts).match(text, found);

    for (const vlog::Family family : {vlog::Family::Kav, vlog::Family::Lum}) {
        for (const vlog::DataFile file : {vlog::DataFile::Mch, vlog::DataFile::Inf, vlog::DataFile::Con}) {
            for (const QString &section : text.split(vlog::sectionMarker(file, family))) {
                const QStringList lines = vlog::sectionLines(section);
                vlog::plainSection(lines);
                vlog::infTitle(vlog::lineAt(lines, 0));
                vlog::characteristicTable(lines);
                vlog::infBlocks(section);
                vlog::oprDaySection(lines);
            }
        }
    }
    return 0;
}
