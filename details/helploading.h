#pragma once
// Loading the help files into the main window's help database.

#include <QString>

class Velloran;

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
