#include "OriginRequestGuard.h"

#include <QMutexLocker>
#include <QQuickWebEngineProfile>
#include <QWebEngineUrlRequestInfo>

using namespace Qt::Literals::StringLiterals;

OriginRequestGuard::OriginRequestGuard(QObject *parent) : QWebEngineUrlRequestInterceptor(parent) {}

OriginRequestGuard::~OriginRequestGuard()
{
    // The profile keeps a plain pointer to its interceptor.
    if (m_profile)
        m_profile->setUrlRequestInterceptor(nullptr);
}

QObject *OriginRequestGuard::profile() const
{
    return m_profile;
}

void OriginRequestGuard::setProfile(QObject *profile)
{
    auto *webProfile = qobject_cast<QQuickWebEngineProfile *>(profile);
    if (webProfile == m_profile)
        return;
    if (m_profile)
        m_profile->setUrlRequestInterceptor(nullptr);
    m_profile = webProfile;
    if (m_profile)
        m_profile->setUrlRequestInterceptor(this);
    emit profileChanged();
}

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
    if (scheme != "http"_L1 && scheme != "https"_L1)
        return false;
    if (!origin.isValid() || origin.host().isEmpty())
        return false;
    const int defaultPort = scheme == "https"_L1 ? 443 : 80;
    const int originDefault = origin.scheme().toLower() == "https"_L1 ? 443 : 80;
    return scheme == origin.scheme().toLower()
           && url.host().compare(origin.host(), Qt::CaseInsensitive) == 0
           && url.port(defaultPort) == origin.port(originDefault);
}

void OriginRequestGuard::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    if (isAllowed(info.requestUrl(), origin()))
        return;
    info.block(true);
    QMetaObject::invokeMethod(
            this,
            [this] {
                ++m_blocked;
                emit blockedChanged();
            },
            Qt::QueuedConnection);
}
