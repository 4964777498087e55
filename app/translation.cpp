#include "app/translation.h"

#include "app/velloran.h"

#include <QCoreApplication>

bool installAndRetranslate(QTranslator &translator, int language, Velloran *window)
{
    const QString catalogue = vlog::catalogueFileName(language);
    if (catalogue.isEmpty())
        return false;
    // A missing catalogue is silent: the window keeps its source texts.
    const bool loaded = translator.load(catalogue);
    Q_UNUSED(loaded)
    QCoreApplication::installTranslator(&translator);
    window->retranslate();
    return true;
}

MessageTranslation::MessageTranslation(Velloran *window)
{
    if (window->language() == vlog::Korean)
        installAndRetranslate(m_translator, vlog::Korean, window);
}

NoticeTranslation::NoticeTranslation(Velloran *window) : m_window(window), m_language(window->language())
{
    if (m_language == vlog::Korean || m_language == vlog::Chinese)
        installAndRetranslate(m_translator, m_language, window);
}

NoticeTranslation::~NoticeTranslation()
{
    m_window->selectLanguageIndex(m_language);
}
