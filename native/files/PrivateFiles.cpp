#include "PrivateFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>

namespace {

constexpr QFileDevice::Permissions folderMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                | QFileDevice::ExeOwner;
constexpr QFileDevice::Permissions fileMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

} // namespace

namespace PrivateFiles {

bool makeFolder(const QString &path)
{
    if (!QDir().mkpath(path))
        return false;
    if (QFile::permissions(path) != folderMode)
        return QFile::setPermissions(path, folderMode);
    return true;
}

bool restrict(QFileDevice &file)
{
    return file.permissions() == fileMode || file.setPermissions(fileMode);
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
