#pragma once
// The message lookups of the main window as the parser asks for them.

#include "details/helpdatabase.h"
#include "log/logparser.h"

// Lookups in the help database with the family and the language chosen when
// a parse starts, which nothing can change while it runs (the window is busy
// with the load, and a notice puts the language back as it was). They touch
// no widget, so that the parser may ask them on a thread of its own.
class WindowLookups : public vlog::MessageLookups
{
public:
    WindowLookups(const vlog::HelpDatabase &help, bool kav, int language) : m_help(help), m_kav(kav), m_language(language)
    {
    }
    QString errorMessage(int code, const QString &p1, const QString &p2) override;
    QString warningMessage(int code, const QString &p1, const QString &p2) override;
    QString kavStopReason(const QString &code) override;
    QString lumStopReason(int code) override;

private:
    const vlog::HelpDatabase &m_help;
    bool m_kav;
    int m_language;
};
