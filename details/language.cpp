#include "details/language.h"

namespace vlog {

namespace {
// The Chinese manual ends in "_ch", unlike its catalogue.
const LanguageFiles kLanguages[kLanguageCount] = {
    {"kor", "velloran_ko.qm", "Manual_Velloran_ko.pdf"},
    {"eng", "velloran_en.qm", "Manual_Velloran_en.pdf"},
    {"chn", "velloran_zh.qm", "Manual_Velloran_ch.pdf"},
};
} // namespace

const LanguageFiles *languageFiles(int language)
{
    return language >= 0 && language < kLanguageCount ? &kLanguages[language] : nullptr;
}

QString catalogueFileName(int language)
{
    const LanguageFiles *files = languageFiles(language);
    return files ? QString::fromLatin1(files->catalogue) : QString();
}

QString manualFileName(int language)
{
    const LanguageFiles *files = languageFiles(language);
    return files ? QString::fromLatin1(files->manual) : QString();
}

} // namespace vlog
