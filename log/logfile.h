#pragma once
// Reading a controller log file as text.

#include <QString>

class QIODevice;

namespace vlog {

// The whole content of the device as text, decoded as a text stream does by
// default: Unicode when the text starts with a byte-order mark (which is
// dropped), the locale's 8-bit encoding otherwise.
QString readLogText(QIODevice &device);

} // namespace vlog
