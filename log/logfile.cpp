#include "log/logfile.h"

#include <QIODevice>
#include <QTextCodec>

namespace vlog {

QString readLogText(QIODevice &device)
{
    const QByteArray bytes = device.readAll();
    QTextCodec *codec = QTextCodec::codecForUtfText(bytes, QTextCodec::codecForLocale());
    return codec->toUnicode(bytes);
}

} // namespace vlog
