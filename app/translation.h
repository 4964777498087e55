#pragma once
// Translation of the texts that one operation shows the user. A catalogue is
// installed only for as long as the operation runs; the translator leaves the
// application when this object goes out of scope.

#include <QString>
#include <QTranslator>

class Velloran;

// Bare file names, looked up in the working directory, by language index
// (0 Korean, 1 English, 2 Chinese); an empty text for any other index.
QString catalogueFileName(int language); // velloran_ko.qm, velloran_en.qm, velloran_zh.qm
QString manualFileName(int language);    // Manual_Velloran_ko.pdf, _en.pdf, _ch.pdf

class MessageTranslation
{
public:
    explicit MessageTranslation(Velloran *window);
    ~MessageTranslation();
    MessageTranslation(const MessageTranslation &) = delete;
    MessageTranslation &operator=(const MessageTranslation &) = delete;

    // Before a message is built: under Korean the Korean catalogue is
    // installed and the main window re-translated; otherwise nothing happens.
    void prepare();

private:
    Velloran *m_window;
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
