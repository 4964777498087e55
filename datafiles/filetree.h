#pragma once
// The four companion-file trees of the main window and the notices that
// stand in them when their file is missing.

#include <QString>

enum class FileTree { Mch, Inf, Con, Opr };

// The kind that addFileTree takes for a section of the tree: "MCH", "INF",
// "CON" or "OPR".
QString fileTreeKind(FileTree tree);
// "MCH File does not exist." and so on, translated with the catalogue
// installed now.
QString missingFileMessage(FileTree tree);
