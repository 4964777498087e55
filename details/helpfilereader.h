#pragma once
// Reading the XML help files into the help database.

#include "details/helpdatabase.h"

#include <QString>
#include <QStringList>

class QDomElement;

namespace vlog {

// What one help file holds, read in document order.
struct HelpFileContents
{
    // Normal entries.
    QStringList codes, messages, causes, remedies;
    // Special entries (Lum/Luma error files only) and their numbered remedy items.
    QStringList specialCodes, specialMessages, specialCauses, remedyItems;
};

// The special error codes of a Lum/Luma error file, as written there.
const QStringList &specialErrorCodes();

// Kav format: entry k is the k-th code, msg, cause and remedy element.
HelpFileContents readKavHelp(const QDomElement &root);
// Lum/Luma format: plain remedies go to the normal entries in order; numbered
// remedies pair with the check elements into remedy items. Entries of the
// special codes are special only in a file named "HELP_ERR.xml".
HelpFileContents readLumHelp(const QDomElement &root, const QString &fileName);

// The built-in stop-reason tables.
void buildKavStopTable(StopReasonTable &table);
void buildLumStopTable(StopReasonTable &table);

// The folder of the Lum/Luma help files of a language below the program's folder.
QString lumHelpFolder(const QString &programDir, int language);

// Reads one help file into the database. A Kav file is known by its name, a
// Lum/Luma file by its whole path below `programDir`; a file that is missing,
// not well-formed or neither is skipped.
void readHelpFile(const QString &path, const QString &programDir, HelpDatabase &help);

// The whole database from the help files below `programDir`: the Kav errors
// and warnings, the Kav stop reasons, the Lum/Luma errors and warnings of
// Korean, English and Chinese, the Lum/Luma stop reasons.
void loadHelpDatabase(const QString &programDir, HelpDatabase &help);
// The same from a help folder of any name that holds Kav/, kor/, eng/ and chn/.
void loadHelpFolder(const QString &helpDir, HelpDatabase &help);

} // namespace vlog
