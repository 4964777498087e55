// Loading the help files into the main window's help database at start-up.

#include "app/velloran.h"
#include "details/helpfilereader.h"
#include "details/helploading.h"

#include <QCoreApplication>

bool HelpFileReader::loadHelpFile(const QString &path, Velloran *window) const
{
    vlog::readHelpFile(path, QCoreApplication::applicationDirPath(), window->helpDatabase());
    return true;
}

void loadHelpAndStopTables(Velloran *window)
{
    vlog::loadHelpDatabase(QCoreApplication::applicationDirPath(), window->helpDatabase());
}
