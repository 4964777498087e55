#pragma once
// The message lookups of the main window as the parser asks for them.

#include "log/logparser.h"

class Velloran;

// Lookups that ask the main window at the moment of each call, so that they
// follow the family and the language chosen then.
class WindowLookups : public vlog::MessageLookups
{
public:
    explicit WindowLookups(const Velloran &window) : m_window(window) {}
    QString errorMessage(int code, const QString &p1, const QString &p2) override;
    QString warningMessage(int code, const QString &p1, const QString &p2) override;
    QString kavStopReason(const QString &code) override;
    QString lumStopReason(int code) override;

private:
    const Velloran &m_window;
};
