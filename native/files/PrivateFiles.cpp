#include "files/PrivateFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

namespace {

constexpr QFileDevice::Permissions folderMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions fileMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The owner, group and other bits; Qt adds the "user" ones beside them.
QFileDevice::Permissions modeOf(QFileDevice::Permissions permissions)
{
    return permissions & QFileDevice::Permissions(0x7777 & ~0x0700);
}

} // namespace

namespace PrivateFiles {

bool makeFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        return false;
    // Already private (the usual case, at every write of the store): no change.
    return modeOf(QFile::permissions(path)) == folderMode
           || QFile::setPermissions(path, folderMode);
}

bool restrict(QFileDevice &file)
{
    return modeOf(file.permissions()) == fileMode || file.setPermissions(fileMode);
}

void restrictTree(const QString &path)
{
    if (!QFileInfo(path).isDir())
        return;
    QFile::setPermissions(path, folderMode);
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        const QFileInfo info = it.fileInfo();
        if (info.isDir())
            QFile::setPermissions(entry, folderMode);
        else if (info.isFile())
            QFile::setPermissions(entry, fileMode);
    }
}

} // namespace PrivateFiles
