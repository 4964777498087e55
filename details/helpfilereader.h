#pragma once
// Reading the XML help files into the help database.

#include "details/helpdatabase.h"

#include <QString>
#include <QStringList>

class QDomElement;
class Velloran;

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

} // namespace vlog

// Reads the help files into the main window's help database. It keeps no
// state between files; a file that is missing or not well-formed is skipped.
class HelpFileReader
{
public:
    bool loadHelpFile(const QString &path, Velloran *window) const;
};

// Fills the help database and the stop-reason tables of the main window from
// the help files beside the program: the Kav errors and warnings, the Kav stop
// reasons, the Lum/Luma errors and warnings of Korean, English and Chinese,
// the Lum/Luma stop reasons.
void loadHelpAndStopTables(Velloran *window);
