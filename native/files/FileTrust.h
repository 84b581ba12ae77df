#pragma once

#include <QString>

// Which local files a message may carry. A work file can come from anyone
// and names files by path, so whatever the origin, a message never carries
// what is not a regular file, nor anything of the program's own folders, of
// the system's (/proc, /sys, /dev, /etc) or hidden in the home folder
// (~/.ssh, ~/.gnupg, ~/.config, ~/.bashrc, ...): such a file is refused by name.
namespace FileTrust {

enum Refusal {
    Accepted = 0,
    Missing,       // nothing there, or it cannot be read
    NotRegular,    // a folder, a device, a pipe, a socket
    ProgramFolder, // the program's store, journal, secrets
    SystemFolder,  // /proc, /sys, /dev, /etc
    HiddenFolder,  // hidden in the home folder
};

// Why `path` may not be attached or sent as the HTML body; Accepted when it may.
// Both the path as given and the file it finally names are checked.
Refusal refusal(const QString &path);
// Folders the program writes for itself (beyond the standard ones): the
// store's folder when it is moved, a journal kept elsewhere.
void addProgramFolder(const QString &path);

} // namespace FileTrust
