// The error statistics on a crafted log whose codes have many different
// lengths (E-1, E-11, E-111, ...): counting must stay linear in the log's size.
// Prints the log's size, the whole load and the statistics alone.

#include "app/velloran.h"
#include "details/helploading.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QByteArray craftedLog(int records)
{
    QByteArray log = "ERROR HISTORY FILE (ROBOT.ERR)\r\nRecord number\r\nError number, Parameter 1, Parameter 2\r\n"
                     "Date Time\r\nProgram number\r\nStep number\r\nFunction number\r\nPosition data\r\n";
    QByteArray ones;
    for (int r = 1; r <= records; ++r) {
        ones += '1';
        log += "#" + QByteArray::number(r) + "\r\nE-" + ones + ",0,0\r\n2026/10/08 07:42:23\r\n003\r\n0019\r\n0011\r\n"
               "    12.863,    28.731,   -18.026\r\n  -125.014,    19.045,    21.969\r\n"
               "SI(01-06): [16 3F 03 01 00 00]\r\nDIB(01-08): [00]\r\nDIB(09-16): [00]\r\nDIB(17-24): [00]\r\n"
               "DIB(25-32): [00]\r\nSO(01-06): [09 05 03 00 00 00]\r\n";
    }
    return log;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Velloran window;
    loadHelpAndStopTables(&window);

    const int records = 6000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ROBOT.ERR"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(craftedLog(records)) < 0)
        return 1;
    file.close();

    QElapsedTimer timer;
    timer.start();
    window.clearAllViews();
    window.findChild<QLineEdit *>(QStringLiteral("file_add"))->setText(path);
    window.loadLog(path);
    const double loadMs = double(timer.nsecsElapsed()) / 1e6;

    timer.restart();
    window.countCodes(records);
    const double statisticsMs = double(timer.nsecsElapsed()) / 1e6;

    std::printf("crafted log: %d records, %.1f MB; whole load %.0f ms; statistics %.0f ms\n", records,
                double(file.size()) / 1e6, loadMs, statisticsMs);
    return 0;
}
