#include "details/helpdatabase.h"

#include "details/messagecodes.h"

namespace vlog {

void HelpTable::assign(const QStringList &codes, const QStringList &messages, const QStringList &causes,
                       const QStringList &remedies)
{
    m_codes = codes;
    m_messages = messages;
    m_causes = causes;
    m_remedies = remedies;
    m_index.clear();
    m_index.reserve(codes.size());
    for (int i = 0; i < codes.size(); ++i) {
        const int n = codeNumber(codes.at(i));
        if (!m_index.contains(n))
            m_index.insert(n, i);
    }
}

int HelpTable::find(int code) const
{
    return m_index.value(code, -1);
}

void StopReasonTable::assign(const QStringList &codes, const QStringList &texts)
{
    m_codes = codes;
    m_texts = texts;
    m_byText.clear();
    m_byNumber.clear();
    for (int i = 0; i < codes.size(); ++i) {
        if (!m_byText.contains(codes.at(i)))
            m_byText.insert(codes.at(i), i);
        const int n = codeNumber(codes.at(i));
        if (!m_byNumber.contains(n))
            m_byNumber.insert(n, i);
    }
}

void StopReasonTable::lookupText(const QString &code, QString &text) const
{
    const int at = m_byText.value(code, -1);
    if (at >= 0)
        text = m_texts.value(at);
}

void StopReasonTable::lookupNumber(int code, QString &text) const
{
    const int at = m_byNumber.value(code, -1);
    if (at >= 0)
        text = m_texts.value(at);
}

namespace {
// Positions of each special code's items in the remedy item list.
struct SpecialItems
{
    int code;
    int first;
    int count;
};
const SpecialItems kSpecialItems[] = {{15, 0, 3},    {1309, 3, 2},  {1456, 5, 2},   {1457, 7, 2},
                                      {1494, 9, 10}, {2800, 19, 3}, {10000, 22, 2}, {10001, 24, 2}};

int languageIndex(int language)
{
    return language >= 0 && language < 3 ? language : -1;
}
} // namespace

QString HelpDatabase::errorMessage(bool kav, int language, int code, const QString &p1, const QString &p2) const
{
    QString tmpl;
    if (kav) {
        tmpl = kavErrors.message(kavErrors.find(code));
    } else if (const int l = languageIndex(language); l >= 0) {
        int at = lumErrors[l].find(code);
        if (at >= 0)
            tmpl = lumErrors[l].message(at);
        else
            tmpl = lumSpecial[l].message(lumSpecial[l].find(code));
    }
    return fillMessageTemplate(tmpl, p1, p2);
}

QString HelpDatabase::warningMessage(bool kav, int language, int code, const QString &p1, const QString &p2) const
{
    QString tmpl;
    if (kav) {
        tmpl = kavWarnings.message(kavWarnings.find(code));
    } else if (const int l = languageIndex(language); l >= 0) {
        tmpl = lumWarnings[l].message(lumWarnings[l].find(code));
    }
    return fillMessageTemplate(tmpl, p1, p2);
}

QString specialRemedy(int code, const QStringList &remedyItems)
{
    for (const SpecialItems &s : kSpecialItems) {
        if (s.code != code)
            continue;
        QString text = QStringLiteral("1.") + remedyItems.value(s.first);
        for (int i = 1; i < s.count; ++i)
            text += QStringLiteral("\n\n%1.").arg(i + 1) + remedyItems.value(s.first + i);
        return text;
    }
    return QString();
}

void HelpDatabase::errorCauseRemedy(bool kav, int language, int code, QString &cause, QString &remedy) const
{
    if (kav) {
        const int at = kavErrors.find(code);
        if (at >= 0) {
            cause = kavErrors.cause(at);
            remedy = kavErrors.remedy(at);
        }
        return;
    }
    const int l = languageIndex(language);
    if (l < 0)
        return;
    int at = lumErrors[l].find(code);
    if (at >= 0) {
        cause = lumErrors[l].cause(at);
        remedy = lumErrors[l].remedy(at);
    }
    at = lumSpecial[l].find(code);
    if (at >= 0) {
        cause = lumSpecial[l].cause(at);
        remedy = specialRemedy(code, lumSpecial[l].remedyItems());
    }
}

void HelpDatabase::warningCauseRemedy(bool kav, int language, int code, QString &cause, QString &remedy) const
{
    const HelpTable *table = nullptr;
    if (kav)
        table = &kavWarnings;
    else if (const int l = languageIndex(language); l >= 0)
        table = &lumWarnings[l];
    if (!table)
        return;
    const int at = table->find(code);
    if (at >= 0) {
        cause = table->cause(at);
        remedy = table->remedy(at);
    }
}

QString HelpDatabase::codeMessage(Family family, int language, const QString &code, const QString &axisText) const
{
    const bool kav = family == Family::Kav;
    const CodeMeaning meaning = vlog::codeMeaning(code);
    const MessageParameters p = messageParameters(axisText, family);
    QString message = QStringLiteral("");
    switch (meaning.kind) {
    case CodeKind::Error:
        return errorMessage(kav, language, meaning.number, p.p1, p.p2);
    case CodeKind::Warning:
        return warningMessage(kav, language, meaning.number, p.p1, p.p2);
    case CodeKind::LumStop:
        lumStops.lookupNumber(meaning.number, message);
        break;
    case CodeKind::KavStop:
        kavStops.lookupText(code, message);
        break;
    case CodeKind::Unknown:
        break;
    }
    return message;
}

void HelpDatabase::codeCauseRemedy(Family family, int language, const CodeMeaning &meaning, QString &cause,
                                   QString &remedy) const
{
    const bool kav = family == Family::Kav;
    if (meaning.kind == CodeKind::Error)
        errorCauseRemedy(kav, language, meaning.number, cause, remedy);
    else if (meaning.kind == CodeKind::Warning)
        warningCauseRemedy(kav, language, meaning.number, cause, remedy);
}

QString DatabaseLookups::errorMessage(int code, const QString &p1, const QString &p2)
{
    return m_help.errorMessage(m_kav, m_language, code, p1, p2);
}

QString DatabaseLookups::warningMessage(int code, const QString &p1, const QString &p2)
{
    return m_help.warningMessage(m_kav, m_language, code, p1, p2);
}

// A stop code without an entry gives an empty text, as in the window.
QString DatabaseLookups::kavStopReason(const QString &code)
{
    QString text = QStringLiteral("");
    m_help.kavStops.lookupText(code, text);
    return text;
}

QString DatabaseLookups::lumStopReason(int code)
{
    QString text = QStringLiteral("");
    m_help.lumStops.lookupNumber(code, text);
    return text;
}

} // namespace vlog
