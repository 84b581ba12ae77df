#include "FileTrust.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QStandardPaths>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace {

QMutex registryMutex;
QStringList &registeredFolders()
{
    static QStringList folders;
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

QStringList programFolders()
{
    QStringList folders;
    for (const auto location :
         {QStandardPaths::AppConfigLocation, QStandardPaths::AppDataLocation,
          QStandardPaths::AppLocalDataLocation, QStandardPaths::CacheLocation}) {
        folders.append(QStandardPaths::writableLocation(location));
    }
    QMutexLocker lock(&registryMutex);
    folders.append(registeredFolders());
    return folders;
}

FileTrust::Refusal placeRefusal(const QString &path)
{
    for (const QString &folder : programFolders()) {
        const QString clean = QDir::cleanPath(folder);
        const QString real = QFileInfo(clean).canonicalFilePath();
        if (inside(path, clean) || (!real.isEmpty() && inside(path, real)))
            return FileTrust::ProgramFolder;
    }
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
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QMutexLocker lock(&registryMutex);
    if (!registeredFolders().contains(clean))
        registeredFolders().append(clean);
}

} // namespace FileTrust
