#pragma once

#include "preview/WebProfileGuard.h"
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// Decides every request of a web view that shows pages of one web site (the
// template pages of our web service): requests to that site's origin (same
// scheme, host and port) and inline data load, everything else is refused
// and counted, so the page can neither reach other sites nor read files.
class OriginRequestGuard : public WebProfileGuard
{
    Q_OBJECT
    QML_ELEMENT
    // Any address of the site; only its scheme, host and port count.
    Q_PROPERTY(QUrl origin READ origin WRITE setOrigin NOTIFY originChanged)
    // Requests refused since the origin was set.
    Q_PROPERTY(int blocked READ blocked NOTIFY blockedChanged)

public:
    explicit OriginRequestGuard(QObject *parent = nullptr);

    QUrl origin() const;
    void setOrigin(const QUrl &origin);
    int blocked() const { return m_blocked; }

    // Whether `url` may load when the site is `origin`: http or https with
    // the origin's scheme, host and port, or inline content.
    Q_INVOKABLE static bool isAllowed(const QUrl &url, const QUrl &origin);

    // Whether the view may go to `url` (a navigation request's address);
    // a refusal is counted. The engine sends a redirect on while it asks
    // interceptRequest(), so redirects must be refused here, when it asks
    // whether to follow them.
    Q_INVOKABLE bool admits(const QUrl &url);

    // Runs on the engine's user-interface thread.
    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

signals:
    void originChanged();
    void blockedChanged();

private:
    void countBlocked();

    int m_blocked = 0;

    // Read on the engine's thread.
    mutable QMutex m_mutex;
    QUrl m_origin;
};
