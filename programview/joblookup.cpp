#include "programview/joblookup.h"

#include <QDir>
#include <QFileInfo>

namespace vjob {

QString lumNamePart(const QString &program)
{
    return QLatin1Char('/') + program;
}

QString kavNamePart(const QString &program)
{
    QString number = program;
    number.replace(QLatin1String("00"), QLatin1String("0"));
    return QLatin1String("/ZT210-04.") + number;
}

QString resolveNamePart(const QStringList &jobFiles, const QString &namePart)
{
    const QString wanted = namePart.section(QLatin1Char('/'), 1, 1);
    for (const QString &name : jobFiles) {
        const QString base = name.section(QLatin1Char('.'), 0, 0);
        if (base.left(4) == wanted || base.right(4) == wanted)
            return QLatin1Char('/') + name;
    }
    return namePart;
}

QStringList jobFiles(const QString &directory)
{
    return QDir(directory).entryList(QStringList{QStringLiteral("*.JOB")}, QDir::Files, QDir::Unsorted);
}

QString jobPath(const QString &logPath, const QString &namePart)
{
    const QString directory = QFileInfo(logPath).path();
    return directory + resolveNamePart(jobFiles(directory), namePart);
}

int stepNumber(const QString &text)
{
    return text.toInt();
}

QString stepMarker(int step)
{
    return QLatin1Char('S') + QString::number(step);
}

} // namespace vjob
