#include "suppression/UnsubscribeMailbox.h"

#include "secrets/SecretStore.h"
#include "suppression/SuppressionList.h"
#include "suppression/UnsubscribeToken.h"
#include "webservice/ServiceReply.h"
#include "webservice/WebService.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QNetworkRequest>

using namespace Qt::StringLiterals;

namespace {

// A run waits for the sync before it starts: not for long.
constexpr int timeLimitMs = 10000;
constexpr int maxAnswerBytes = 1024 * 1024;
const auto base64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

} // namespace

UnsubscribeMailbox::UnsubscribeMailbox(QObject *parent)
    : QObject(parent),
      m_baseUrl(WebService::baseUrlFrom(qEnvironmentVariable("PARVANE_API_BASE_URL")))
{
    // As for every request to the service: a redirect would take the token elsewhere.
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    m_watch.setInterval(5 * 60 * 1000);
    connect(&m_watch, &QTimer::timeout, this, [this] { sync(); });
}

UnsubscribeMailbox::~UnsubscribeMailbox()
{
    qDeleteAll(findChildren<ServiceReply *>(Qt::FindDirectChildrenOnly));
}

SecretStore *UnsubscribeMailbox::secrets() const
{
    return m_secrets;
}

SuppressionList *UnsubscribeMailbox::suppression() const
{
    return m_suppression;
}

void UnsubscribeMailbox::setSecrets(SecretStore *secrets)
{
    if (secrets == m_secrets)
        return;
    m_secrets = secrets;
    emit secretsChanged();
}

void UnsubscribeMailbox::setSuppression(SuppressionList *list)
{
    if (list == m_suppression)
        return;
    m_suppression = list;
    emit suppressionChanged();
}

void UnsubscribeMailbox::setBaseUrl(const QString &url)
{
    const QString base = WebService::baseUrlFrom(url);
    if (base == m_baseUrl)
        return;
    m_baseUrl = base;
    // A mailbox belongs to the service it was registered with.
    if (registered()) {
        m_mailbox.clear();
        emit registeredChanged();
    }
    emit baseUrlChanged();
}

void UnsubscribeMailbox::setWatching(bool watching)
{
    if (watching == m_watch.isActive())
        return;
    if (watching)
        m_watch.start();
    else
        m_watch.stop();
    emit watchingChanged();
}

void UnsubscribeMailbox::setInterval(int ms)
{
    if (ms == m_watch.interval() || ms <= 0)
        return;
    m_watch.setInterval(ms);
    emit intervalChanged();
}

void UnsubscribeMailbox::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    emit busyChanged();
}

QString UnsubscribeMailbox::link(const QString &address, const QString &run,
                                 const QString &language) const
{
    if (!registered())
        return QString();
    const QString token = UnsubscribeToken::make({m_mailbox, address, run, language}, m_sealKey);
    return token.isEmpty() ? QString() : m_baseUrl + u"u/"_s + token;
}

void UnsubscribeMailbox::sync(bool registering)
{
    if (m_busy) {
        m_again = true;
        m_registering = m_registering || registering;
        return;
    }
    m_added = 0;
    m_registering = registering;
    start();
}

void UnsubscribeMailbox::start()
{
    setBusy(true);
    if (registered())
        fetch(0);
    else
        readSecret();
}

void UnsubscribeMailbox::readSecret()
{
    const auto take = [this] {
        const QJsonObject kept
                = m_secrets ? QJsonDocument::fromJson(
                                      m_secrets->secret(QLatin1String(secretName)).toUtf8())
                                      .object()
                            : QJsonObject();
        const QByteArray mailbox = QByteArray::fromHex(
                kept.value("mailbox"_L1).toString().toLatin1());
        const auto secret
                = QByteArray::fromBase64Encoding(kept.value("secret"_L1).toString().toLatin1(),
                                                 base64 | QByteArray::AbortOnBase64DecodingErrors);
        if (kept.value("service"_L1).toString() != m_baseUrl || mailbox.size() != 16 || !secret
            || secret.decoded.isEmpty())
            return m_registering ? registerMailbox() : finish(QString());
        const UnsubscribeToken::Keys keys = UnsubscribeToken::keysFrom(*secret);
        m_mailbox = mailbox;
        m_sealKey = keys.seal;
        m_proof = keys.proof;
        emit registeredChanged();
        fetch(0);
    };
    if (!m_secrets)
        return take();
    // The keychain answers later: asked once, read when it has.
    m_secrets->load({QLatin1String(secretName)});
    if (m_secrets->ready())
        return take();
    auto *once = new QObject(this);
    connect(m_secrets, &SecretStore::readyChanged, once, [this, once, take] {
        if (!m_secrets->ready())
            return;
        delete once;
        take();
    });
}

void UnsubscribeMailbox::registerMailbox()
{
    post(u"unsubscribe/register"_s, "{}", [this](int status, const QByteArray &answer) {
        const QJsonObject object = QJsonDocument::fromJson(answer).object();
        const QByteArray mailbox = QByteArray::fromHex(
                object.value("mailbox"_L1).toString().toLatin1());
        const QString secretText = object.value("secret"_L1).toString();
        const auto secret
                = QByteArray::fromBase64Encoding(secretText.toLatin1(),
                                                 base64 | QByteArray::AbortOnBase64DecodingErrors);
        if (status != 200 || mailbox.size() != 16 || !secret || secret.decoded.size() != 32)
            return finish(status == 0 ? u"The web service cannot be reached."_s
                                      : u"The web service refused the mailbox."_s);
        const UnsubscribeToken::Keys keys = UnsubscribeToken::keysFrom(*secret);
        m_mailbox = mailbox;
        m_sealKey = keys.seal;
        m_proof = keys.proof;
        if (m_secrets) {
            const QJsonObject kept{{u"service"_s, m_baseUrl},
                                   {u"mailbox"_s, QString::fromLatin1(mailbox.toHex())},
                                   {u"secret"_s, secretText}};
            m_secrets->setSecret(QLatin1String(secretName),
                                 QString::fromUtf8(
                                         QJsonDocument(kept).toJson(QJsonDocument::Compact)));
        }
        emit registeredChanged();
        fetch(0);
    });
}

void UnsubscribeMailbox::fetch(qint64 acknowledged)
{
    const QJsonObject body{{u"mailbox"_s, QString::fromLatin1(m_mailbox.toHex())},
                           {u"proof"_s, QString::fromLatin1(m_proof.toBase64(base64))},
                           {u"acknowledged"_s, acknowledged}};
    post(u"unsubscribe/events"_s, QJsonDocument(body).toJson(QJsonDocument::Compact),
         [this, acknowledged](int status, const QByteArray &answer) {
             if (status == 403) {
                 // The service no longer knows the mailbox: a new one next time.
                 m_mailbox.clear();
                 if (m_secrets)
                     m_secrets->removeSecret(QLatin1String(secretName));
                 emit registeredChanged();
                 return finish(u"The web service no longer knows this program's mailbox."_s);
             }
             const QJsonValue events = QJsonDocument::fromJson(answer).object().value("events"_L1);
             if (status != 200 || !events.isArray())
                 return finish(status == 0 ? u"The web service cannot be reached."_s
                                           : u"The web service did not give the unsubscribes."_s);
             qint64 last = acknowledged;
             for (const QJsonValue &value : events.toArray()) {
                 const QJsonObject event = value.toObject();
                 last = std::max(last, event.value("id"_L1).toInteger());
                 const QString address = event.value("address"_L1).toString();
                 if (m_suppression && !m_suppression->contains(address)
                     && m_suppression->add(address, u"unsubscribed"_s,
                                           event.value("run"_L1).toString()))
                     ++m_added;
             }
             // What was taken is acknowledged, which also brings the next ones.
             if (last > acknowledged)
                 return fetch(last);
             finish(QString());
         });
}

void UnsubscribeMailbox::post(const QString &name, const QByteArray &body,
                              const std::function<void(int, const QByteArray &)> &done)
{
    QNetworkRequest request{QUrl(m_baseUrl + u"api/"_s + name)};
    request.setRawHeader("Accept", "application/json");
    request.setRawHeader("Content-type", "application/json");
    request.setRawHeader("Authorization", "Bearer " + m_requestToken.toUtf8());
    auto *data = new QBuffer;
    data->setData(body);
    data->open(QIODevice::ReadOnly);
    QNetworkReply *reply = m_network.post(request, data);
    data->setParent(reply);
    auto *result = new ServiceReply(reply, timeLimitMs, maxAnswerBytes, this);
    connect(result, &ServiceReply::finished, this,
            [this, done](int status, const QString &text, const QString &authorization) {
                // Only our service's answer counts.
                const bool ours = authorization == u"Bearer "_s + m_responseToken;
                done(status >= 200 && status < 300 && !ours ? 0 : status, text.toUtf8());
            });
}

void UnsubscribeMailbox::finish(const QString &error)
{
    if (error != m_error) {
        m_error = error;
        emit errorChanged();
    }
    // The sync asked for meanwhile runs now; synced() tells of both at its end.
    if (m_again) {
        m_again = false;
        return start();
    }
    setBusy(false);
    emit synced(m_added, error);
}
