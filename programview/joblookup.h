#pragma once
// Finding the job program that a record names, without widgets.
//
// A record names its program by number. The name part of its job file starts
// with "/": for the Lum/Luma family "/" and the program text, which the job
// files of the log's directory are matched against; for the Kav family the
// fixed name "/ZT210-04." and the program with every "00" made "0".

#include <QString>
#include <QStringList>

namespace vjob {

QString lumNamePart(const QString &program);
QString kavNamePart(const QString &program);

// The name part after looking through `jobFiles` (file names, in directory
// order): the first file whose base name (up to its first ".") begins or
// ends with the wanted text (the name part between its first and second "/")
// gives "/" + its name; without such a file the name part stays as it is.
QString resolveNamePart(const QStringList &jobFiles, const QString &namePart);

// The "*.JOB" files of a directory, in directory order.
QStringList jobFiles(const QString &directory);

// The path of the job file for a log: its directory and the resolved name part.
QString jobPath(const QString &logPath, const QString &namePart);

// The step text as a number; a text that is no number gives 0.
int stepNumber(const QString &text);

// How the text of a job marks a step: "S" and the number, as in "S12".
QString stepMarker(int step);

} // namespace vjob
