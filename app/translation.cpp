#include "app/translation.h"

#include "app/velloran.h"

#include <QCoreApplication>

QString catalogueFileName(int language)
{
    switch (language) {
    case vlog::Korean:
        return QStringLiteral("velloran_ko.qm");
    case vlog::English:
        return QStringLiteral("velloran_en.qm");
    case vlog::Chinese:
        return QStringLiteral("velloran_zh.qm");
    default:
        return QString();
    }
}

QString manualFileName(int language)
{
    switch (language) {
    case vlog::Korean:
        return QStringLiteral("Manual_Velloran_ko.pdf");
    case vlog::English:
        return QStringLiteral("Manual_Velloran_en.pdf");
    case vlog::Chinese:
        // The Chinese manual ends in "_ch", unlike its catalogue.
        return QStringLiteral("Manual_Velloran_ch.pdf");
    default:
        return QString();
    }
}

MessageTranslation::MessageTranslation(Velloran *window) : m_window(window) {}

MessageTranslation::~MessageTranslation() = default;

void MessageTranslation::prepare()
{
    if (m_window->language() != vlog::Korean)
        return;
    m_translator.load(catalogueFileName(vlog::Korean));
    QCoreApplication::installTranslator(&m_translator);
    m_window->ui.retranslateUi(m_window);
}

NoticeTranslation::NoticeTranslation(Velloran *window) : m_window(window), m_language(window->language())
{
    if (m_language != vlog::Korean && m_language != vlog::Chinese)
        return;
    m_translator.load(catalogueFileName(m_language));
    QCoreApplication::installTranslator(&m_translator);
    m_window->ui.retranslateUi(m_window);
}

NoticeTranslation::~NoticeTranslation()
{
    m_window->ui.comboBox->setCurrentIndex(m_language);
}
