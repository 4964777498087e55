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

bool showUnwrapped(const QString &text)
{
    constexpr int kLongestWrapped = 100000;
    int lineStart = 0;
    const QChar *chars = text.constData();
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = chars[i].unicode();
        if (c == u'\n') {
            lineStart = i + 1;
        } else if ((c < 0x20 && c != u'\t' && c != u'\r') || c == QChar::ReplacementCharacter) {
            return true;
        } else if (i - lineStart >= kLongestWrapped) {
            return true;
        }
    }
    return false;
}

} // namespace vlog
