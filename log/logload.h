#pragma once
// Reading and parsing a log file piece by piece: the text is decoded block by
// block and cut at every "#", so that the whole text never stands in memory
// at once; and the same beside the calling thread, which receives the rows.

#include "log/logparser.h"

class QIODevice;

namespace vlog {

// Reads the device from its position to its end, decoded as readLogText
// decodes it, and hands the parser the number of records, the header chunk
// and each record chunk in order. Returns the number of records (the number
// of "#" in the text).
int readAndParse(QIODevice &device, LogParser &parser);

// The same on a thread of its own, while the calling thread receives what the
// parser gives `sink` (the row count, the notices and the rows, in their
// order) and can spend its time on them. The device and `lookups` are used
// on the other thread, and `arcFlag` and `arc` are written there: the caller
// leaves them alone until this returns.
int parseBeside(QIODevice &device, Family family, bool stopLog, MessageLookups &lookups, bool &arcFlag,
                ArcLists &arc, LogSink &sink);

} // namespace vlog
