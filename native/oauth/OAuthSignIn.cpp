#include "oauth/OAuthSignIn.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QOAuth2AuthorizationCodeFlow>
#include <QOAuthHttpServerReplyHandler>
#include <QOAuthOobReplyHandler>
#include <QRandomGenerator>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray base64Url(const QByteArray &bytes)
{
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

// Why the provider said no, by the error of its answer (RFC 6749 5.2, 4.1.2.1).
QString refusalCode(const QString &error, const QString &description)
{
    if (error == "access_denied"_L1)
        return u"declined"_s;
    if (description.contains("tenant"_L1, Qt::CaseInsensitive))
        return u"tenant"_s;
    return u"refused"_s;
}

QString refusalDetail(const QString &error, const QString &description)
{
    return description.isEmpty() ? error : error + u" ("_s + description + u')';
}

} // namespace

OAuthSignIn::OAuthSignIn(QObject *parent)
    : QObject(parent), m_network(new QNetworkAccessManager(this))
{
    m_bound.setSingleShot(true);
    connect(&m_bound, &QTimer::timeout, this, [this] { fail(u"timeout"_s, {}); });
}

OAuthSignIn::~OAuthSignIn() = default;

QVariantMap OAuthSignIn::effectiveSettings(const QString &provider, const QVariantMap &settings)
{
    QVariantMap effective = settings;
    const QByteArray prefix = "PARVANE_OAUTH_" + provider.toUpper().toLatin1() + '_';
    const std::pair<const char *, QString> names[] = {{"CLIENT_ID", u"clientId"_s},
                                                      {"CLIENT_SECRET", u"clientSecret"_s},
                                                      {"TENANT", u"tenant"_s},
                                                      {"AUTHORIZE_URL", u"authorizeUrl"_s},
                                                      {"TOKEN_URL", u"tokenUrl"_s},
                                                      {"SCOPE", u"scope"_s}};
    for (const auto &[variable, key] : names) {
        const QString value = qEnvironmentVariable(QByteArray(prefix + variable).constData());
        if (!value.isEmpty())
            effective.insert(key, value);
    }
    const QString tenant = effective.value(u"tenant"_s).toString();
    for (const QString &key : {u"authorizeUrl"_s, u"tokenUrl"_s})
        effective.insert(key, effective.value(key).toString().replace("{tenant}"_L1,
                                                                      tenant.isEmpty() ? u"common"_s
                                                                                       : tenant));
    return effective;
}

QString OAuthSignIn::addressOf(const QString &idToken)
{
    const QList<QStringView> parts = QStringView(idToken).split(u'.');
    if (parts.size() < 2)
        return {};
    const QJsonObject claims = QJsonDocument::fromJson(
                                       QByteArray::fromBase64(parts.at(1).toLatin1(),
                                                              QByteArray::Base64UrlEncoding))
                                       .object();
    const QString email = claims.value("email"_L1).toString();
    return email.isEmpty() ? claims.value("preferred_username"_L1).toString() : email;
}

QOAuth2AuthorizationCodeFlow *OAuthSignIn::makeFlow(const QVariantMap &settings)
{
    auto *flow = new QOAuth2AuthorizationCodeFlow(settings.value(u"clientId"_s).toString(),
                                                  QUrl(settings.value(u"authorizeUrl"_s).toString()),
                                                  QUrl(settings.value(u"tokenUrl"_s).toString()),
                                                  m_network, this);
    flow->setScope(settings.value(u"scope"_s).toString());
    if (!settings.value(u"clientSecret"_s).toString().isEmpty())
        flow->setClientIdentifierSharedKey(settings.value(u"clientSecret"_s).toString());
    connect(flow, &QAbstractOAuth2::error, this,
            [this](const QString &error, const QString &description, const QUrl &) {
                fail(refusalCode(error, description), refusalDetail(error, description));
            });
    // A refused token request is only logged by Qt's flow: read here.
    const QUrl tokenUrl = flow->accessTokenUrl();
    connect(m_network, &QNetworkAccessManager::finished, flow,
            [this, tokenUrl](QNetworkReply *reply) {
                if (reply->url() != tokenUrl || reply->error() == QNetworkReply::NoError)
                    return;
                if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 0) {
                    fail(u"unreachable"_s, reply->errorString());
                    return;
                }
                const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
                const QString error = answer.value("error"_L1).toString(),
                              description = answer.value("error_description"_L1).toString();
                fail(refusalCode(error, description), refusalDetail(error, description));
            });
    connect(flow, &QAbstractOAuth::requestFailed, this, [this](QAbstractOAuth::Error error) {
        fail(error == QAbstractOAuth::Error::NetworkError ? u"unreachable"_s : u"refused"_s, {});
    });
    return flow;
}

bool OAuthSignIn::start()
{
    const QVariantMap settings = effectiveSettings(m_provider, m_settings);
    if (m_busy || settings.value(u"clientId"_s).toString().isEmpty())
        return false;
    m_refreshing = false;
    m_flow = makeFlow(settings);
    m_listener = new QOAuthHttpServerReplyHandler(0, m_flow);
    if (!m_listener->isListening()) {
        delete m_flow;
        return false;
    }
    m_listener->setCallbackText(
            u"Parvane has your answer: you may close this page and go back to Parvane."_s);
    m_flow->setReplyHandler(m_listener);
    // PKCE (RFC 7636): only this program, which holds the verifier, can use the code.
    QByteArray random(32, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(random.data()), 8);
    m_verifier = base64Url(random);
    const QByteArray verifier = m_verifier;
    m_flow->setModifyParametersFunction([verifier](QAbstractOAuth::Stage stage,
                                                   QMultiMap<QString, QVariant> *parameters) {
        if (stage == QAbstractOAuth::Stage::RequestingAuthorization) {
            parameters->insert(u"code_challenge"_s,
                               base64Url(QCryptographicHash::hash(verifier,
                                                                  QCryptographicHash::Sha256)));
            parameters->insert(u"code_challenge_method"_s, u"S256"_s);
        } else if (stage == QAbstractOAuth::Stage::RequestingAccessToken) {
            parameters->insert(u"code_verifier"_s, verifier);
        }
    });
    connect(m_flow, &QAbstractOAuth::authorizeWithBrowser, this, [this](const QUrl &url) {
        emit browserWanted(url);
        if (!QDesktopServices::openUrl(url))
            fail(u"browser"_s, url.toString());
    });
    connect(m_flow, &QAbstractOAuth::granted, this, [this] {
        const QString address = addressOf(m_flow->extraTokens().value(u"id_token"_s).toString());
        if (address.isEmpty()) {
            fail(u"noAddress"_s, {});
            return;
        }
        const QVariantMap account{{u"address"_s, address},
                                  {u"accessToken"_s, m_flow->token()},
                                  {u"refreshToken"_s, m_flow->refreshToken()},
                                  {u"expiresAt"_s, m_flow->expirationAt().toMSecsSinceEpoch()}};
        finish();
        emit signedIn(account);
    });
    setBusy(true);
    m_bound.start(m_timeoutMs);
    m_flow->grant();
    return true;
}

bool OAuthSignIn::refresh(const QString &refreshToken)
{
    const QVariantMap settings = effectiveSettings(m_provider, m_settings);
    if (m_busy || refreshToken.isEmpty() || settings.value(u"clientId"_s).toString().isEmpty())
        return false;
    m_refreshing = true;
    m_flow = makeFlow(settings);
    m_flow->setRefreshToken(refreshToken);
    m_flow->setReplyHandler(new QOAuthOobReplyHandler(m_flow));
    connect(m_flow, &QAbstractOAuth::granted, this, [this, refreshToken] {
        const QString next = m_flow->refreshToken();
        const QVariantMap token{{u"accessToken"_s, m_flow->token()},
                                {u"refreshToken"_s, next.isEmpty() ? refreshToken : next},
                                {u"expiresAt"_s, m_flow->expirationAt().toMSecsSinceEpoch()}};
        finish();
        emit refreshed(true, token, false, QString(), QString());
    });
    setBusy(true);
    m_bound.start(m_timeoutMs);
    m_flow->refreshAccessToken();
    return true;
}

void OAuthSignIn::cancel()
{
    if (m_busy)
        fail(u"cancelled"_s, {});
}

void OAuthSignIn::finish()
{
    m_bound.stop();
    // Closed once the browser has its page: the answer may be on its way.
    if (m_listener)
        QMetaObject::invokeMethod(m_listener, &QOAuthHttpServerReplyHandler::close,
                                  Qt::QueuedConnection);
    // The listener (the flow's child) stops listening at once but its page
    // to the browser is still being written: the flow goes a little later.
    if (m_flow) {
        m_flow->disconnect(this);
        m_network->disconnect(m_flow); // its replies are no business of the next job
        QTimer::singleShot(2000, m_flow, &QObject::deleteLater);
    }
    m_verifier.clear();
    setBusy(false);
}

void OAuthSignIn::fail(const QString &reason, const QString &detail)
{
    if (!m_busy)
        return;
    const bool refreshing = m_refreshing;
    finish();
    if (refreshing)
        emit refreshed(false, {}, reason == "refused"_L1, reason, detail);
    else
        emit failed(reason, detail);
}

void OAuthSignIn::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    emit busyChanged();
}
