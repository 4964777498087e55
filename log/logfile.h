#pragma once
// Reading a controller log file as text.

#include <QString>

#include <QIODevice>

class QFile;

namespace vlog {

// The whole content of the device as text, decoded as a text stream does by
// default: Unicode when the text starts with a byte-order mark (which is
// dropped), the locale's 8-bit encoding otherwise.
QString readLogText(QIODevice &device);

// Opens a controller file read-only (by default without text-mode
// translation) when it is a regular file; false for anything else
// (directory, FIFO, device) or a file that cannot be opened.
bool openRegularFile(QFile &file, QIODevice::OpenMode mode = QIODevice::ReadOnly);

// Whether a text view should show the text without wrapping its lines:
// wrapping a line of millions of characters takes a text view minutes, so a
// text with a line of more than 100,000 characters is shown unwrapped.
bool tooLongToWrap(const QString &text);

} // namespace vlog
