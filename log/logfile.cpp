#include "log/logfile.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTextCodec>

namespace vlog {

QString readLogText(QIODevice &device)
{
    const QByteArray bytes = device.readAll();
    QTextCodec *codec = QTextCodec::codecForUtfText(bytes, QTextCodec::codecForLocale());
    return codec->toUnicode(bytes);
}

bool openRegularFile(QFile &file, QIODevice::OpenMode mode)
{
    // Opening a FIFO would wait for a writer, and a directory or device holds
    // no log: only regular files (or links to them) are read.
    if (!QFileInfo(file.fileName()).isFile())
        return false;
    return file.open(mode);
}

bool tooLongToWrap(const QString &text)
{
    constexpr int kLongestWrapped = 100000;
    for (int start = 0; start < text.size();) {
        int end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        if (end - start > kLongestWrapped)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace vlog
