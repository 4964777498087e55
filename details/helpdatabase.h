#pragma once
// The help texts of the error and warning codes, and the stop-reason tables.

#include "details/language.h"
#include "details/messagecodes.h"
#include "log/logparser.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace vlog {

// Four parallel lists: codes, messages, causes, remedies. Codes are kept as
// written in the help file ("0015") and matched by their integer value; the
// first entry of a code wins.
class HelpTable
{
public:
    void assign(const QStringList &codes, const QStringList &messages, const QStringList &causes,
                const QStringList &remedies);
    const QStringList &codes() const { return m_codes; }
    const QStringList &messages() const { return m_messages; }
    const QStringList &causes() const { return m_causes; }
    const QStringList &remedies() const { return m_remedies; }

    // Position of the first entry whose code reads as `code`, or -1.
    int find(int code) const;
    QString message(int at) const { return m_messages.value(at); }
    QString cause(int at) const { return m_causes.value(at); }
    QString remedy(int at) const { return m_remedies.value(at); }

private:
    QStringList m_codes, m_messages, m_causes, m_remedies;
    QHash<int, int> m_index;
};

// The special error codes of one language: codes, messages and causes in
// parallel, and the flat list of their numbered remedy items.
class SpecialHelpTable : public HelpTable
{
public:
    void assign(const QStringList &codes, const QStringList &messages, const QStringList &causes,
                const QStringList &remedyItems)
    {
        HelpTable::assign(codes, messages, causes, QStringList());
        m_items = remedyItems;
    }
    const QStringList &remedyItems() const { return m_items; }

private:
    QStringList m_items;
};

// A stop-reason table: stop codes and their texts in parallel.
class StopReasonTable
{
public:
    void assign(const QStringList &codes, const QStringList &texts);
    const QStringList &codes() const { return m_codes; }
    const QStringList &texts() const { return m_texts; }
    // First entry whose code equals `code` exactly; leaves `text` as it was without one.
    void lookupText(const QString &code, QString &text) const;
    // First entry whose code reads as the number `code`.
    void lookupNumber(int code, QString &text) const;

private:
    QStringList m_codes, m_texts;
    QHash<QString, int> m_byText;
    QHash<int, int> m_byNumber;
};

// The numbered remedy of a special error code, composed from the remedy items
// at the code's fixed positions ("1." item, "\n\n2." item, ...); empty for
// any other code. Items missing from the list read as empty.
QString specialRemedy(int code, const QStringList &remedyItems);

// The whole help database of both families and the three languages.
struct HelpDatabase
{
    HelpTable kavErrors;
    HelpTable kavWarnings;
    HelpTable lumErrors[kLanguageCount];
    SpecialHelpTable lumSpecial[kLanguageCount];
    HelpTable lumWarnings[kLanguageCount];
    StopReasonTable kavStops;
    StopReasonTable lumStops;

    QString errorMessage(bool kav, int language, int code, const QString &p1, const QString &p2) const;
    QString warningMessage(bool kav, int language, int code, const QString &p1, const QString &p2) const;
    // Cause and remedy of a code; both stay as they were when nothing matches.
    void errorCauseRemedy(bool kav, int language, int code, QString &cause, QString &remedy) const;
    void warningCauseRemedy(bool kav, int language, int code, QString &cause, QString &remedy) const;

    // The message of a record's code with the parameters of its "AxisNo"
    // text: errors and warnings from the help texts, stops from the
    // stop-reason tables (an empty text when there is none).
    QString codeMessage(Family family, int language, const QString &code, const QString &axisText) const;
    // Cause and remedy of an error or warning code; left as they were for
    // other kinds and codes without help.
    void codeCauseRemedy(Family family, int language, const CodeMeaning &meaning, QString &cause,
                         QString &remedy) const;
};

// The parser's message lookups answered from a help database for one family
// and language.
class DatabaseLookups : public MessageLookups
{
public:
    DatabaseLookups(const HelpDatabase &help, Family family, int language)
        : m_help(help), m_kav(family == Family::Kav), m_language(language)
    {
    }
    QString errorMessage(int code, const QString &p1, const QString &p2) override;
    QString warningMessage(int code, const QString &p1, const QString &p2) override;
    QString kavStopReason(const QString &code) override;
    QString lumStopReason(int code) override;

private:
    const HelpDatabase &m_help;
    bool m_kav;
    int m_language;
};

} // namespace vlog
