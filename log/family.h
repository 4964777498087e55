#pragma once
// The two controller families the viewer reads, and the names of their files.

#include <QString>

namespace vlog {

// Kav, the older family, or Lum/Luma, the newer one. It decides the log and
// companion file names, the help tables and several decoding rules.
enum class Family { Kav, Lum };

// The log files of a family, as a controller names them (letter case exact).
struct FamilyLogNames
{
    const char *errorLog;
    const char *stopLog;
};
const FamilyLogNames &logNames(Family family);

// Whether a file name (last path component) is the error or the stop log of the family.
bool isLogName(Family family, const QString &fileName);
// Whether a file name is the stop log of either family.
bool isStopLogName(const QString &fileName);

} // namespace vlog
