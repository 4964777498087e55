#pragma once
// What a code of the record table means, and how a message template takes
// its parameters. Shared by the parser's message column, the statistics, the
// Error tab and the Error Code box.

#include "log/family.h"

#include <QString>

namespace vlog {

// Reads a code text as a decimal integer; a text that is no number reads as 0.
int codeNumber(const QString &text);

enum class CodeKind { Error, Warning, LumStop, KavStop, Unknown };

struct CodeMeaning
{
    CodeKind kind = CodeKind::Unknown;
    int number = 0; // the number after the "-"; 0 for a Kav stop code
};

// The code split at "-": kind letter "E" an error, "W" a warning, "S" a
// Lum/Luma stop (each with the number after the "-"); a code without "-" is
// a Kav stop code, looked up by its whole text; any other letter is unknown.
CodeMeaning codeMeaning(const QString &code);

struct MessageParameters
{
    QString p1;
    QString p2;
};

// The parameters of a message from the "AxisNo" text ("p1" or "p1,p2"): the
// second is "0" for Kav and when the text has none.
MessageParameters messageParameters(const QString &axisText, Family family);

// Puts two parameters into a message template: every "%2d" becomes p1, every
// "%%" becomes "%", the two characters at the first "%" become p1 and those at
// the last "%" become p2.
QString fillMessageTemplate(QString tmpl, const QString &p1, const QString &p2);

} // namespace vlog
