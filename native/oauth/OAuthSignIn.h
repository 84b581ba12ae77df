#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class QNetworkAccessManager;
class QOAuth2AuthorizationCodeFlow;
class QOAuthHttpServerReplyHandler;

// Signs an account in with its provider (Microsoft, Google, or any the
// settings name): the authorization code flow with PKCE in the user's
// browser, the answer taken by a listener on loopback (RFC 8252) that closes
// after it or after `timeoutMs`. The account's address comes from the ID
// token. Refreshing an access token is a job of its own here too. Each job
// reports once, by a signal; nothing waits for it.
class OAuthSignIn : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // "microsoft" or "google": which environment variables may replace the settings.
    Q_PROPERTY(QString provider MEMBER m_provider NOTIFY providerChanged)
    // clientId, clientSecret, tenant, authorizeUrl, tokenUrl, scope: the
    // program's own registration, each replaceable by the environment.
    Q_PROPERTY(QVariantMap settings MEMBER m_settings NOTIFY providerChanged)
    Q_PROPERTY(int timeoutMs MEMBER m_timeoutMs)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    explicit OAuthSignIn(QObject *parent = nullptr);
    ~OAuthSignIn() override;

    bool busy() const { return m_busy; }

    // The settings with the environment's replacements
    // (PARVANE_OAUTH_<PROVIDER>_CLIENT_ID, _CLIENT_SECRET, _TENANT,
    // _AUTHORIZE_URL, _TOKEN_URL) and "{tenant}" filled in.
    static QVariantMap effectiveSettings(const QString &provider, const QVariantMap &settings);
    // The address an ID token names ("email", else "preferred_username").
    static QString addressOf(const QString &idToken);

    // Opens the provider's page; false when a job is under way or no
    // client identifier is known.
    Q_INVOKABLE bool start();
    // A new access token for the refresh token; reports by refreshed().
    Q_INVOKABLE bool refresh(const QString &refreshToken);
    Q_INVOKABLE void cancel();

signals:
    void providerChanged();
    void busyChanged();
    void browserWanted(const QUrl &url);
    // {address, accessToken, refreshToken, expiresAt (ms since the epoch)}
    void signedIn(const QVariantMap &account);
    // Why, as a word the interface says in its language ("declined",
    // "tenant", "refused", "unreachable", "timeout", "browser", "noAddress",
    // "cancelled"), with the provider's own words or the address to open.
    void failed(const QString &reason, const QString &detail);
    // ok: {accessToken, refreshToken, expiresAt}; else `revoked` when the
    // provider refused the refresh token (the user must sign in again).
    void refreshed(bool ok, const QVariantMap &token, bool revoked, const QString &reason,
                   const QString &detail);

private:
    QOAuth2AuthorizationCodeFlow *makeFlow(const QVariantMap &settings);
    void finish();
    void fail(const QString &reason, const QString &detail);
    void setBusy(bool busy);

    QString m_provider;
    QVariantMap m_settings;
    int m_timeoutMs = 5 * 60 * 1000;
    bool m_busy = false;
    bool m_refreshing = false;
    QByteArray m_verifier;
    QNetworkAccessManager *m_network = nullptr;
    QPointer<QOAuth2AuthorizationCodeFlow> m_flow;
    QPointer<QOAuthHttpServerReplyHandler> m_listener;
    QTimer m_bound;
};
