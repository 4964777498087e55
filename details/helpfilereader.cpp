#include "details/helpfilereader.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>
#include <QFile>
#include <QFileInfo>

namespace vlog {

namespace {

QStringList texts(const QDomElement &root, const QString &name)
{
    const QDomNodeList nodes = root.elementsByTagName(name);
    QStringList out;
    out.reserve(nodes.size());
    for (int i = 0; i < nodes.size(); ++i)
        out << nodes.at(i).toElement().text();
    return out;
}

struct StopReason
{
    int number;
    const char *text;
};
const StopReason kKavStops[] = {{1, "Internal Stop"},       {2, "External Stop"},
                                {3, "Program stop(robot stop M41)"}, {4, "Conveyor run signal off"},
                                {10, "Internal Motors Off"}, {20, "External Motors Off"},
                                {30, "Internal Emergency Stop"}, {40, "External Emergency Stop"}};
const StopReason kLumStops[] = {{1, "Internal Motors Off"},  {2, "External Motors Off"},
                                {3, "Emergency Stop(TP)"},   {4, "Emergency Stop(OP)"},
                                {5, "Emergency Stop(EXT)"},  {6, "Safety Plug Fault"},
                                {7, "Mode Switch Changed"},  {10, "Internal Stop"},
                                {20, "External Stop"},       {30, "Program stop(STOP command)"},
                                {40, "Conveyor run signal off"}, {50, "Internal Start"},
                                {60, "External Start"}};

} // namespace

const QStringList &specialErrorCodes()
{
    static const QStringList codes{QStringLiteral("0015"), QStringLiteral("1309"), QStringLiteral("1456"),
                                   QStringLiteral("1457"), QStringLiteral("1494"), QStringLiteral("2800"),
                                   QStringLiteral("10000"), QStringLiteral("10001")};
    return codes;
}

HelpFileContents readKavHelp(const QDomElement &root)
{
    HelpFileContents out;
    const QStringList codes = texts(root, QStringLiteral("code"));
    const QStringList messages = texts(root, QStringLiteral("msg"));
    const QStringList causes = texts(root, QStringLiteral("cause"));
    const QStringList remedies = texts(root, QStringLiteral("remedy"));
    for (int k = 0; k < codes.size(); ++k) {
        out.codes << codes.at(k);
        out.messages << messages.value(k);
        out.causes << causes.value(k);
        out.remedies << remedies.value(k);
    }
    return out;
}

HelpFileContents readLumHelp(const QDomElement &root, const QString &fileName)
{
    HelpFileContents out;
    const QDomNodeList remedies = root.elementsByTagName(QStringLiteral("remedy"));
    const QStringList checks = texts(root, QStringLiteral("check"));
    int paired = 0;
    for (int i = 0; i < remedies.size(); ++i) {
        const QDomElement remedy = remedies.at(i).toElement();
        if (remedy.attributes().isEmpty())
            out.remedies << remedy.text();
        else
            out.remedyItems << checks.value(paired++) + QLatin1Char('\n') + remedy.text();
    }

    const bool errorFile = fileName == QLatin1String("HELP_ERR.xml");
    const QStringList codes = texts(root, QStringLiteral("code"));
    const QStringList messages = texts(root, QStringLiteral("msg"));
    const QStringList causes = texts(root, QStringLiteral("cause"));
    for (int k = 0; k < codes.size(); ++k) {
        if (errorFile && specialErrorCodes().contains(codes.at(k))) {
            out.specialCodes << codes.at(k);
            out.specialMessages << messages.value(k);
            out.specialCauses << causes.value(k);
        } else {
            out.codes << codes.at(k);
            out.messages << messages.value(k);
            out.causes << causes.value(k);
        }
    }
    // Normal entries left without a plain remedy get an empty one.
    while (out.remedies.size() < out.codes.size())
        out.remedies << QString();
    return out;
}

void buildKavStopTable(StopReasonTable &table)
{
    QStringList codes, texts;
    for (const StopReason &s : kKavStops) {
        codes << QStringLiteral("F%1").arg(s.number, 2, 10, QLatin1Char('0'));
        texts << QString::fromLatin1(s.text);
    }
    table.assign(codes, texts);
}

void buildLumStopTable(StopReasonTable &table)
{
    QStringList codes, texts;
    for (const StopReason &s : kLumStops) {
        codes << QString::number(s.number);
        texts << QString::fromLatin1(s.text);
    }
    table.assign(codes, texts);
}

namespace {

// The folder of the Lum/Luma help files of a language in a help folder.
QString lumFolderIn(const QString &helpDir, int language)
{
    return helpDir + QLatin1Char('/') + QLatin1String(languageFiles(language)->helpFolder);
}

void readHelpFileIn(const QString &path, const QString &helpDir, HelpDatabase &help)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QDomDocument document;
    if (!document.setContent(&file))
        return;
    const QDomElement root = document.documentElement();
    const QString fileName = QFileInfo(path).fileName();

    // Kav files are known by their name.
    if (fileName == QLatin1String("HELP_ERR_Kav.xml") || fileName == QLatin1String("HELP_WARN_Kav.xml")) {
        const HelpFileContents kav = readKavHelp(root);
        HelpTable &table = fileName == QLatin1String("HELP_ERR_Kav.xml") ? help.kavErrors : help.kavWarnings;
        table.assign(kav.codes, kav.messages, kav.causes, kav.remedies);
    }

    // Lum/Luma files are known by their whole path below the help folder.
    for (int language = 0; language < kLanguageCount; ++language) {
        const QString dir = lumFolderIn(helpDir, language);
        if (path == dir + QStringLiteral("/HELP_ERR.xml")) {
            const HelpFileContents lum = readLumHelp(root, fileName);
            help.lumErrors[language].assign(lum.codes, lum.messages, lum.causes, lum.remedies);
            help.lumSpecial[language].assign(lum.specialCodes, lum.specialMessages, lum.specialCauses,
                                             lum.remedyItems);
        } else if (path == dir + QStringLiteral("/HELP_WARN.xml")) {
            const HelpFileContents lum = readLumHelp(root, fileName);
            help.lumWarnings[language].assign(lum.codes, lum.messages, lum.causes, lum.remedies);
        }
    }
}

} // namespace

void readHelpFile(const QString &path, const QString &programDir, HelpDatabase &help)
{
    readHelpFileIn(path, programDir + QStringLiteral("/help"), help);
}

QString lumHelpFolder(const QString &programDir, int language)
{
    return lumFolderIn(programDir + QStringLiteral("/help"), language);
}

void loadHelpFolder(const QString &helpDir, HelpDatabase &help)
{
    readHelpFileIn(helpDir + QStringLiteral("/Kav/HELP_ERR_Kav.xml"), helpDir, help);
    readHelpFileIn(helpDir + QStringLiteral("/Kav/HELP_WARN_Kav.xml"), helpDir, help);
    buildKavStopTable(help.kavStops);
    for (int language = 0; language < kLanguageCount; ++language) {
        const QString folder = lumFolderIn(helpDir, language);
        readHelpFileIn(folder + QStringLiteral("/HELP_ERR.xml"), helpDir, help);
        readHelpFileIn(folder + QStringLiteral("/HELP_WARN.xml"), helpDir, help);
    }
    buildLumStopTable(help.lumStops);
}

void loadHelpDatabase(const QString &programDir, HelpDatabase &help)
{
    loadHelpFolder(programDir + QStringLiteral("/help"), help);
}

} // namespace vlog
