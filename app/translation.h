#pragma once
// Translation of the texts that one operation shows the user. A catalogue is
// installed only for as long as the operation runs; the translator leaves the
// application when the object goes out of scope.

#include "details/language.h"

#include <QTranslator>

class Velloran;

// Installs the catalogue of `language` into the application and re-translates
// the main window with it. Returns false, and does nothing, for an index that
// is no language.
bool installAndRetranslate(QTranslator &translator, int language, Velloran *window);

// The step before a message is built: under Korean the Korean catalogue is
// installed and the main window re-translated; otherwise nothing happens.
class MessageTranslation
{
public:
    explicit MessageTranslation(Velloran *window);
    MessageTranslation(const MessageTranslation &) = delete;
    MessageTranslation &operator=(const MessageTranslation &) = delete;

private:
    QTranslator m_translator;
};

// The variant for the notices of the log parser: the Korean catalogue under
// Korean and the Chinese one under Chinese are installed and the main window
// re-translated; when the object goes out of scope the language chosen before
// is selected again and the catalogue leaves the application.
class NoticeTranslation
{
public:
    explicit NoticeTranslation(Velloran *window);
    ~NoticeTranslation();
    NoticeTranslation(const NoticeTranslation &) = delete;
    NoticeTranslation &operator=(const NoticeTranslation &) = delete;

private:
    Velloran *m_window;
    int m_language;
    QTranslator m_translator;
};
