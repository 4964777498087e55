#include "app/translation.h"

#include "app/velloran.h"

#include <QCoreApplication>

MessageTranslation::MessageTranslation(Velloran *window) : m_window(window) {}

MessageTranslation::~MessageTranslation() = default;

void MessageTranslation::prepare()
{
    if (m_window->language() != vlog::Korean)
        return;
    m_translator.load(QStringLiteral("velloran_ko.qm"));
    QCoreApplication::installTranslator(&m_translator);
    m_window->ui.retranslateUi(m_window);
}

NoticeTranslation::NoticeTranslation(Velloran *window) : m_window(window), m_language(window->language())
{
    if (m_language == vlog::Korean)
        m_translator.load(QStringLiteral("velloran_ko.qm"));
    else if (m_language == vlog::Chinese)
        m_translator.load(QStringLiteral("velloran_zh.qm"));
    else
        return;
    QCoreApplication::installTranslator(&m_translator);
    m_window->ui.retranslateUi(m_window);
}

NoticeTranslation::~NoticeTranslation()
{
    m_window->ui.comboBox->setCurrentIndex(m_language);
}
