#include "files/FileTrust.h"

#include <QDir>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QStandardPaths>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// A folder of the program's, as written and with its links resolved: both
// are compared, once resolved here rather than at every file checked.
struct Folder
{
    QString clean;
    QString real;
};

Folder folderOf(const QString &path)
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    return {clean, QFileInfo(clean).canonicalFilePath()};
}

QMutex registryMutex;
// The standard folders first, taken when the first file is checked (the
// application's name is set by then), then those registered.
QList<Folder> &programFolders()
{
    static QList<Folder> folders = [] {
        QList<Folder> standard;
        for (const auto location :
             {QStandardPaths::AppConfigLocation, QStandardPaths::AppDataLocation,
              QStandardPaths::AppLocalDataLocation, QStandardPaths::CacheLocation}) {
            standard.append(folderOf(QStandardPaths::writableLocation(location)));
        }
        return standard;
    }();
    return folders;
}

// Whether `path` is `folder` or lies below it; both absolute and clean.
bool inside(const QString &path, const QString &folder)
{
    if (folder.isEmpty())
        return false;
    if (path == folder)
        return true;
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    return path.startsWith(prefix);
}

bool inProgramFolder(const QString &path)
{
    QMutexLocker lock(&registryMutex);
    return std::any_of(programFolders().cbegin(), programFolders().cend(),
                       [&path](const Folder &folder) {
                           return inside(path, folder.clean) || inside(path, folder.real);
                       });
}

FileTrust::Refusal placeRefusal(const QString &path)
{
    if (inProgramFolder(path))
        return FileTrust::ProgramFolder;
#ifndef Q_OS_WIN
    for (const auto system : {"/proc"_L1, "/sys"_L1, "/dev"_L1, "/etc"_L1}) {
        if (inside(path, system))
            return FileTrust::SystemFolder;
    }
#endif
    const QString home = QDir::cleanPath(QDir::homePath());
    for (const QString &base : {home, QFileInfo(home).canonicalFilePath()}) {
        if (base.isEmpty() || base == "/"_L1 || !inside(path, base) || path == base)
            continue;
        // The first component below the home folder: ".ssh" in ~/.ssh/id_rsa,
        // or a file of settings such as ~/.bashrc.
        const QString below = path.mid(base.size() + 1);
        if (below.startsWith(u'.'))
            return FileTrust::HiddenFolder;
    }
    return FileTrust::Accepted;
}

} // namespace

namespace FileTrust {

Refusal refusal(const QString &path)
{
    if (path.isEmpty())
        return Missing;
    const QFileInfo given(path);
    const QString real = given.canonicalFilePath();
    if (real.isEmpty())
        return Missing;
    // The path as written and the file it names once links are resolved.
    for (const QString &candidate : {QDir::cleanPath(given.absoluteFilePath()), real}) {
        const Refusal place = placeRefusal(candidate);
        if (place != Accepted)
            return place;
    }
    const QFileInfo target(real);
    if (!target.isFile() || target.isSymLink())
        return NotRegular;
    if (!target.isReadable())
        return Missing;
    return Accepted;
}

void addProgramFolder(const QString &path)
{
    if (path.isEmpty())
        return;
    const Folder folder = folderOf(path);
    QMutexLocker lock(&registryMutex);
    QList<Folder> &folders = programFolders();
    if (std::none_of(folders.cbegin(), folders.cend(),
                     [&folder](const Folder &known) { return known.clean == folder.clean; }))
        folders.append(folder);
}

} // namespace FileTrust
