#include "preview/PreviewRequestGuard.h"

#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>
#include <QWebEngineUrlRequestInfo>

using namespace Qt::Literals::StringLiterals;

PreviewRequestGuard::PreviewRequestGuard(QObject *parent) : WebProfileGuard(parent) {}

QString PreviewRequestGuard::path() const
{
    return m_path;
}

void PreviewRequestGuard::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    // The folder as it really is: a template reached through a symbolic link
    // may read beside its real self, not beside the link.
    const QFileInfo file(path);
    QString folder = path.isEmpty() ? QString() : file.absoluteDir().canonicalPath();
    {
        QMutexLocker lock(&m_mutex);
        m_folder = folder;
        m_remoteAllowed = false;
    }
    ++m_generation;
    m_blockedRemote = 0;
    m_blockedLocal = 0;
    emit pathChanged();
    emit remoteAllowedChanged();
    emit blockedChanged();
}

bool PreviewRequestGuard::remoteAllowed() const
{
    QMutexLocker lock(&m_mutex);
    return m_remoteAllowed;
}

void PreviewRequestGuard::setRemoteAllowed(bool allowed)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_remoteAllowed == allowed)
            return;
        m_remoteAllowed = allowed;
    }
    emit remoteAllowedChanged();
}

bool PreviewRequestGuard::isInsideFolder(const QString &localPath, const QString &folder)
{
    if (folder.isEmpty())
        return false;
    // Symbolic links resolved; a file that does not exist is refused too.
    const QString real = QFileInfo(localPath).canonicalFilePath();
    if (real.isEmpty())
        return false;
    const QString root = folder.endsWith(u'/') ? folder : folder + u'/';
    return real.startsWith(root);
}

void PreviewRequestGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QUrl url = info.requestUrl();
    const QString scheme = url.scheme().toLower();
    // Inline content carries no request.
    if (scheme == "data"_L1 || scheme == "blob"_L1 || scheme == "about"_L1)
        return;

    QString folder;
    bool remoteAllowed = false;
    {
        QMutexLocker lock(&m_mutex);
        folder = m_folder;
        remoteAllowed = m_remoteAllowed;
    }
    if (scheme == "file"_L1) {
        if (isInsideFolder(url.toLocalFile(), folder))
            return;
        info.block(true);
        countBlocked(false);
        return;
    }
    if ((scheme == "http"_L1 || scheme == "https"_L1) && remoteAllowed)
        return;
    info.block(true);
    countBlocked(true);
}

void PreviewRequestGuard::countBlocked(bool remote)
{
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
            this,
            [this, remote, generation] {
                // Refusals for a previous file do not count for this one.
                if (generation != m_generation)
                    return;
                ++(remote ? m_blockedRemote : m_blockedLocal);
                emit blockedChanged();
            },
            Qt::QueuedConnection);
}
