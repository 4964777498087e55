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

} // namespace vlog
