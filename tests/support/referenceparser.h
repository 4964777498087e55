#pragma once
// The log parser written plainly, as a reference for the fast one.

#include "log/logparser.h"

namespace vref {

void appendArcBlockReference(const QStringList &lines, int start, vlog::ArcLists &arc);
void parseLogReference(const QStringList &chunks, vlog::Family family, bool stopLog, vlog::MessageLookups &lookups,
                       bool &arcFlag, vlog::ArcLists &arc, vlog::LogSink &sink);

} // namespace vref
