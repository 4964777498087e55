#include "log/family.h"

namespace vlog {

const FamilyLogNames &logNames(Family family)
{
    static const FamilyLogNames kav = {"ROBOT.E01", "ROBOT.S01"};
    static const FamilyLogNames lum = {"ROBOT.ERR", "ROBOT.STP"};
    return family == Family::Kav ? kav : lum;
}

bool isLogName(Family family, const QString &fileName)
{
    const FamilyLogNames &names = logNames(family);
    return fileName == QLatin1String(names.errorLog) || fileName == QLatin1String(names.stopLog);
}

bool isStopLogName(const QString &fileName)
{
    return fileName == QLatin1String(logNames(Family::Lum).stopLog)
        || fileName == QLatin1String(logNames(Family::Kav).stopLog);
}

} // namespace vlog
