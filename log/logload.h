#pragma once
// Reading and parsing a log file piece by piece: the text is decoded block by
// block and cut at every "#", so that the whole text never stands in memory
// at once.

#include "log/logparser.h"

class QIODevice;

namespace vlog {

// Reads the device from its position to its end, decoded as readLogText
// decodes it, and hands the parser the number of records, the header chunk
// and each record chunk in order. Returns the number of records (the number
// of "#" in the text).
int readAndParse(QIODevice &device, LogParser &parser);

} // namespace vlog
