#pragma once

#include <QString>

class QFileDevice;

// What the program writes for itself (its store, journal and secrets) is for
// the user alone: folders 0700 and files 0600, whatever the umask. Files the
// user exports are not written through these.
namespace PrivateFiles {

// Creates the folder (and its parents) when missing and makes it owner-only.
bool makeFolder(const QString &path);
// Makes an open file owner-only; for a QSaveFile, call it before commit().
bool restrict(QFileDevice &file);
// Makes a folder tree that an earlier version wrote with the umask's modes
// owner-only: the folder and every folder and file below it.
void restrictTree(const QString &path);

} // namespace PrivateFiles
