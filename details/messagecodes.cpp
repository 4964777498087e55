#include "details/messagecodes.h"

#include <QStringList>

namespace vlog {

int codeNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    return ok ? n : 0;
}

CodeMeaning codeMeaning(const QString &code)
{
    const QStringList parts = code.split(QLatin1Char('-'));
    if (parts.size() == 1)
        return {CodeKind::KavStop, 0};
    const QString kind = parts.at(0);
    const int number = codeNumber(parts.at(1));
    if (kind == QLatin1String("E"))
        return {CodeKind::Error, number};
    if (kind == QLatin1String("W"))
        return {CodeKind::Warning, number};
    if (kind == QLatin1String("S"))
        return {CodeKind::LumStop, number};
    return {CodeKind::Unknown, number};
}

MessageParameters messageParameters(const QString &axisText, Family family)
{
    const QStringList parameters = axisText.split(QLatin1Char(','));
    const QString p2 = family == Family::Lum && parameters.size() >= 2 ? parameters.at(1) : QStringLiteral("0");
    return {parameters.at(0), p2};
}

QString fillMessageTemplate(QString tmpl, const QString &p1, const QString &p2)
{
    tmpl.replace(QLatin1String("%2d"), p1);
    tmpl.replace(QLatin1String("%%"), QLatin1String("%"));
    int at = tmpl.indexOf(QLatin1Char('%'));
    if (at >= 0)
        tmpl.replace(at, 2, p1);
    at = tmpl.lastIndexOf(QLatin1Char('%'));
    if (at >= 0)
        tmpl.replace(at, 2, p2);
    return tmpl;
}

} // namespace vlog
