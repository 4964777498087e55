// The help files of both formats, and the message templates they carry.

#include "details/helpdatabase.h"
#include "details/helpfilereader.h"
#include "details/messagecodes.h"

#include <QDomDocument>
#include <QDomElement>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QDomDocument document;
    if (!document.setContent(bytes))
        return 0;
    const QDomElement root = document.documentElement();
    const vlog::HelpFileContents kav = vlog::readKavHelp(root);
    const vlog::HelpFileContents lum = vlog::readLumHelp(root, QStringLiteral("HELP_ERR.xml"));
    vlog::HelpTable table;
    table.assign(lum.codes, lum.messages, lum.causes, lum.remedies);
    vlog::SpecialHelpTable special;
    special.assign(lum.specialCodes, lum.specialMessages, lum.specialCauses, lum.remedyItems);
    for (const QString &code : kav.codes + lum.codes + lum.specialCodes) {
        const int number = vlog::codeNumber(code);
        const int at = table.find(number);
        vlog::fillMessageTemplate(table.message(at), code, QStringLiteral("0"));
        vlog::specialRemedy(number, special.remedyItems());
    }
    return 0;
}
