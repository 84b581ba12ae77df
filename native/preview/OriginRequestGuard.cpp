#include "preview/OriginRequestGuard.h"
#include "net/WebAddress.h"

#include <QMutexLocker>
#include <QWebEngineUrlRequestInfo>

using namespace Qt::Literals::StringLiterals;

OriginRequestGuard::OriginRequestGuard(QObject *parent) : WebProfileGuard(parent) {}

QUrl OriginRequestGuard::origin() const
{
    QMutexLocker lock(&m_mutex);
    return m_origin;
}

void OriginRequestGuard::setOrigin(const QUrl &origin)
{
    {
        QMutexLocker lock(&m_mutex);
        if (origin == m_origin)
            return;
        m_origin = origin;
    }
    m_blocked = 0;
    emit originChanged();
    emit blockedChanged();
}

bool OriginRequestGuard::isAllowed(const QUrl &url, const QUrl &origin)
{
    const QString scheme = url.scheme().toLower();
    // Inline content carries no request.
    if (scheme == "data"_L1 || scheme == "blob"_L1 || scheme == "about"_L1)
        return true;
    return WebAddress::isSameOrigin(url, origin);
}

bool OriginRequestGuard::admits(const QUrl &url)
{
    if (isAllowed(url, origin()))
        return true;
    countBlocked();
    return false;
}

void OriginRequestGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (isAllowed(info.requestUrl(), origin()))
        return;
    info.block(true);
    countBlocked();
}

void OriginRequestGuard::countBlocked()
{
    QMetaObject::invokeMethod(
            this,
            [this] {
                ++m_blocked;
                emit blockedChanged();
            },
            Qt::QueuedConnection);
}
