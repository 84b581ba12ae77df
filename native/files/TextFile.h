#pragma once

#include <QString>

// Line-oriented UTF-8 text files, shared by the bridge and message building.
namespace TextFile {

// Appends `text` and one line feed, creating the file when needed. Silent on failure.
void append(const QString &path, const QString &text);

// The file's lines joined with "\n", empty lines dropped; "" when unreadable.
QString readJoined(const QString &path);

} // namespace TextFile
