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

// Whether a text view should show the text without wrapping its lines.
// Wrapping takes a text view minutes on a line of millions of characters and
// on the bytes of a damaged or binary file (control characters, bytes that
// are no text in the file's encoding); such a text is shown unwrapped. A
// text with neither is wrapped as usual.
bool showUnwrapped(const QString &text);

} // namespace vlog
