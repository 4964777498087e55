#pragma once
// The columns of the record table, one row per log entry, and the heights of
// its rows. Every reader of a record (parser, table, statistics, details,
// signal views, find) names a column by these.

namespace vlog {

enum RecordColumn : int {
    ColNo,
    ColCode,
    ColMessage,
    ColAxisNo,
    ColDate,
    ColTime,
    ColProgram,
    ColStep,
    ColFunction,
    ColAxis1,
    ColAxis2,
    ColAxis3,
    ColAxis4,
    ColAxis5,
    ColAxis6,
    ColAxis7,
    ColAxis8,
    ColSI,
    ColDI1,
    ColDI2,
    ColDI3,
    ColDI4,
    ColSO,
    ColDO1,
    ColDO2,
    ColDO3,
    ColDO4,
    kRecordColumns
};

// The signal columns run from SI to DO4; each general block has four columns.
constexpr int kFirstSignalColumn = ColSI;
constexpr int kLastSignalColumn = ColDO4;
constexpr int kGeneralColumnsPerFamily = ColDI4 - ColDI1 + 1;
constexpr int kAxisColumns = ColAxis8 - ColAxis1 + 1;

// Every row is this high; a row of a robot with more than eight axes shows
// axes 9 to 16 on a second line and is taller.
constexpr int kRowHeight = 30;
constexpr int kEightAxesRowHeight = 40;

} // namespace vlog
