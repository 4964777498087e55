#pragma once
// The three languages of the help texts, the catalogues and the manuals.

#include <QString>

namespace vlog {

// Index of the language combo box.
enum Language : int { Korean = 0, English = 1, Chinese = 2 };
constexpr int kLanguageCount = 3;

// What belongs to one language: the folder of its help files beside the
// program, and its catalogue and manual, looked up by bare file name in the
// working directory.
struct LanguageFiles
{
    const char *helpFolder;
    const char *catalogue;
    const char *manual;
};

// The files of a language index; nullptr for an index that is no language.
const LanguageFiles *languageFiles(int language);

// Bare file names of a language index; an empty text for any other index.
QString catalogueFileName(int language);
QString manualFileName(int language);

} // namespace vlog
