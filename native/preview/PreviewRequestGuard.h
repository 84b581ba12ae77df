#pragma once

#include "preview/WebProfileGuard.h"
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <atomic>

// Decides every request of the message preview's web engine profile: files
// inside the template's folder (after resolving symbolic links) and inline
// data load; any other file is refused, and so is every other address unless
// the user asked to see remote images. A template from the internet can so
// neither read the user's files nor tell anyone that it was opened.
class PreviewRequestGuard : public WebProfileGuard
{
    Q_OBJECT
    QML_ELEMENT
    // Local path of the HTML file; its folder is the one the preview may read.
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(bool remoteAllowed READ remoteAllowed WRITE setRemoteAllowed NOTIFY
                       remoteAllowedChanged)
    // Requests refused since the path was set: to other hosts, and to files
    // outside the folder.
    Q_PROPERTY(int blockedRemote READ blockedRemote NOTIFY blockedChanged)
    Q_PROPERTY(int blockedLocal READ blockedLocal NOTIFY blockedChanged)

public:
    explicit PreviewRequestGuard(QObject *parent = nullptr);

    QString path() const;
    void setPath(const QString &path);
    bool remoteAllowed() const;
    void setRemoteAllowed(bool allowed);
    int blockedRemote() const { return m_blockedRemote; }
    int blockedLocal() const { return m_blockedLocal; }

    // Runs on the engine's input/output thread.
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

    // Whether the file, symbolic links resolved, exists inside `folder` (a
    // canonical path) or below it.
    static bool isInsideFolder(const QString &localPath, const QString &folder);

signals:
    void pathChanged();
    void remoteAllowedChanged();
    void blockedChanged();

private:
    void countBlocked(bool remote);

    QString m_path;
    int m_blockedRemote = 0;
    int m_blockedLocal = 0;

    // Read on the engine's thread.
    mutable QMutex m_mutex;
    QString m_folder;
    bool m_remoteAllowed = false;
    std::atomic<quint64> m_generation{0};
};
