#include "bench/benchsupport.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QMessageBox>

QString makeLog(int records)
{
    QString text;
    text.reserve(records * 700);
    text += QStringLiteral(
        "ERROR HISTORY FILE (ROBOT.ERR)\r\nRecord number\r\nError number, Parameter 1, Parameter 2\r\nDate Time\r\n"
        "Program number\r\nStep number\r\nFunction number\r\nPosition data\r\nSI(01-06) DIB(01-32) SO(01-06) DOB(01-32)\r\n");
    for (int i = 1; i <= records; ++i) {
        const int code = (i * 7919) % 500;
        text += QLatin1Char('#') + QStringLiteral("%1").arg(i, 6, 10, QLatin1Char('0')) + QStringLiteral("\r\n");
        text += QStringLiteral("%1-%2,%3,%4\r\n").arg(code % 5 ? QStringLiteral("E") : QStringLiteral("W"))
                    .arg(100 + code, 4, 10, QLatin1Char('0')).arg(i % 6 + 1).arg(i % 4);
        const int day = 1 + (i / 4000) % 28, second = i % 86400;
        text += QStringLiteral("2026/11/%1 %2:%3:%4\r\n").arg(day, 2, 10, QLatin1Char('0'))
                    .arg(second / 3600, 2, 10, QLatin1Char('0')).arg(second / 60 % 60, 2, 10, QLatin1Char('0'))
                    .arg(second % 60, 2, 10, QLatin1Char('0'));
        text += QStringLiteral("%1\r\n%2\r\n%3\r\n").arg(i % 100, 3, 10, QLatin1Char('0')).arg(i % 900, 4, 10, QLatin1Char('0'))
                    .arg(i % 30, 4, 10, QLatin1Char('0'));
        for (int line = 0; line < 6; ++line)
            text += QStringLiteral("  %1,  %2,  %3\r\n").arg(line * 10.5 + (i % 100) * 0.25, 0, 'f', 3)
                        .arg(-12.5 * line, 0, 'f', 3).arg(90.0 - line, 0, 'f', 3);
        text += QStringLiteral("SI(01-06): [01 4F 00 %1 00 00]\r\n").arg(i % 256, 2, 16, QLatin1Char('0')).toUpper();
        for (int b = 0; b < 4; ++b)
            text += QStringLiteral("DIB(%1-%2): [03 00 F0 01 00 00 00 %3]\r\n").arg(b * 8 + 1, 2, 10, QLatin1Char('0'))
                        .arg(b * 8 + 8, 2, 10, QLatin1Char('0')).arg((i + b) % 256, 2, 16, QLatin1Char('0')).toUpper();
        text += QStringLiteral("SO(01-06): [11 02 07 00 00 00]\r\n");
        for (int b = 0; b < 4; ++b)
            text += QStringLiteral("DOB(%1-%2): [01 02 00 01 00 00 00 00]\r\n").arg(b * 8 + 1, 2, 10, QLatin1Char('0'))
                        .arg(b * 8 + 8, 2, 10, QLatin1Char('0'));
    }
    return text;
}

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

void NoticeCloser::timerEvent(QTimerEvent *)
{
    if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
        box->accept();
}
