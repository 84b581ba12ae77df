#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

class QQuickWebEngineProfile;

// Decides every request of a web view that shows pages of one web site (the
// template pages of our web service): requests to that site's origin (same
// scheme, host and port) and inline data load, everything else is refused
// and counted, so the page can neither reach other sites nor read files.
class OriginRequestGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
    // The profile to guard (a WebEngineProfile).
    Q_PROPERTY(QObject *profile READ profile WRITE setProfile NOTIFY profileChanged)
    // Any address of the site; only its scheme, host and port count.
    Q_PROPERTY(QUrl origin READ origin WRITE setOrigin NOTIFY originChanged)
    // Requests refused since the origin was set.
    Q_PROPERTY(int blocked READ blocked NOTIFY blockedChanged)

public:
    explicit OriginRequestGuard(QObject *parent = nullptr);
    ~OriginRequestGuard() override;

    QObject *profile() const;
    void setProfile(QObject *profile);
    QUrl origin() const;
    void setOrigin(const QUrl &origin);
    int blocked() const { return m_blocked; }

    // Whether `url` may load when the site is `origin`: http or https with
    // the origin's scheme, host and port, or inline content.
    Q_INVOKABLE static bool isAllowed(const QUrl &url, const QUrl &origin);

    // Runs on the engine's input/output thread.
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

signals:
    void profileChanged();
    void originChanged();
    void blockedChanged();

private:
    QPointer<QQuickWebEngineProfile> m_profile;
    int m_blocked = 0;

    // Read on the engine's thread.
    mutable QMutex m_mutex;
    QUrl m_origin;
};
