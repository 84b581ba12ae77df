#pragma once

#include <QObject>
#include <QPointer>
#include <QWebEngineUrlRequestInterceptor>
#include <QtQml/qqmlregistration.h>

class QQuickWebEngineProfile;

// A request interceptor that installs itself on the web view's profile it is
// given, and takes itself off again when the profile changes or it goes:
// the profile keeps only a plain pointer to its interceptor.
class WebProfileGuard : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT
    QML_ANONYMOUS
    // The profile to guard (a WebEngineProfile).
    Q_PROPERTY(QObject *profile READ profile WRITE setProfile NOTIFY profileChanged)

public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    ~WebProfileGuard() override;

    QObject *profile() const;
    void setProfile(QObject *profile);

signals:
    void profileChanged();

private:
    QPointer<QQuickWebEngineProfile> m_profile;
};
