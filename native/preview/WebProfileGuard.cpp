#include "preview/WebProfileGuard.h"

#include <QQuickWebEngineProfile>

WebProfileGuard::~WebProfileGuard()
{
    if (m_profile)
        m_profile->setUrlRequestInterceptor(nullptr);
}

QObject *WebProfileGuard::profile() const
{
    return m_profile;
}

void WebProfileGuard::setProfile(QObject *profile)
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
