// The message lookups of the main window: they read the family and the
// language at the moment of the call.

#include "app/velloran.h"
#include "details/helpfilereader.h"

QString Velloran::errorMessage(int code, const QString &p1, const QString &p2) const
{
    return help.errorMessage(family() == vlog::Family::Kav, language(), code, p1, p2);
}

QString Velloran::warningMessage(int code, const QString &p1, const QString &p2) const
{
    return help.warningMessage(family() == vlog::Family::Kav, language(), code, p1, p2);
}

void Velloran::kavStopReason(const QString &code, QString &text) const
{
    help.kavStops.lookupText(code, text);
}

void Velloran::lumStopReason(int code, QString &text) const
{
    help.lumStops.lookupNumber(code, text);
}

void Velloran::errorCauseRemedy(int code, QString &cause, QString &remedy) const
{
    help.errorCauseRemedy(family() == vlog::Family::Kav, language(), code, cause, remedy);
}

void Velloran::warningCauseRemedy(int code, QString &cause, QString &remedy) const
{
    help.warningCauseRemedy(family() == vlog::Family::Kav, language(), code, cause, remedy);
}
