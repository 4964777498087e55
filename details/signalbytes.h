#pragma once
// Decoding the signal cells of a record: the bytes of the system and general
// input/output columns, which indicator each bit drives, and the states of the
// arc welding signals. Plain data and functions; no widgets.

#include "log/recordcolumns.h"

#include <QString>
#include <QVector>

namespace vlog {

// Each general column holds eight bytes; 256 indicators of each kind.
constexpr int kGeneralBytesPerColumn = 8;
constexpr int kGeneralIoCount = 256;


// The bytes of a signal cell text such as "[16 3F 03 01 00 00]", in order.
// The brackets are cut off as the log writer places them: a text of 19
// characters loses its first character and then the one at position 17 of the
// rest; any other text loses its first character and then the one at position
// 23 of the rest, when there is one. The rest is split at every blank, empty
// parts kept, and each part read as a hexadecimal number: a part that is no
// number reads as 0 and only the low eight bits of a value count. An empty
// text gives one byte 00.
QVector<int> signalBytes(const QString &text);

// Whether bit `bit` (0 = least significant) of a byte value is set.
inline bool bitSet(int byte, int bit) { return (byte >> bit) & 1; }

// A system indicator: the label (object name) lit by one bit of one byte.
struct SignalBit
{
    const char *label;
    int byte;
    int bit;
    const char *signal; // what it means, in English
};

// The system inputs (SI column) and system outputs (SO column). Bits that are
// not listed drive nothing.
extern const SignalBit systemInputBits[42];
extern const SignalBit systemOutputBits[24];

// The general inputs and outputs.
enum class GeneralIo { None, Input, Output };
// Which family a record table column feeds: DI for DI1 to DI4, DO for DO1 to DO4.
GeneralIo generalIoOf(int column);
// Number (1 to 256) of the indicator driven by bit `bit` of the byte at
// `position` of a general column; 0 when the column is no general column or
// the position or bit is out of range.
int generalIoNumber(int column, int position, int bit);

// An arc welding signal: the item of the arc text that shows it high, and the
// item that shows it low where only that item does (else anything that is not
// the high item shows it low).
struct ArcItem
{
    const char *high;
    const char *low; // nullptr: every other item means low
};
constexpr int kArcSignals = 8;
extern const ArcItem arcInputItems[kArcSignals];
extern const ArcItem arcOutputItems[kArcSignals];

enum class ArcState { Keep, Low, High };

// The states of the arc signals that an arc text ("WCR=1,ShockSensor=0,...")
// gives, one per item present, at most eight. Items 0 to 6 are compared after
// simplifying them, item 7 as it stands.
QVector<ArcState> arcStates(const QString &text, const ArcItem (&items)[kArcSignals]);

} // namespace vlog
