#include "suppression/UnsubscribeMailbox.h"

#include "files/PrivateFiles.h"
#include "secrets/SecretStore.h"
#include "suppression/SuppressionList.h"
#include "suppression/UnsubscribeToken.h"
#include "webservice/ServiceReply.h"
#include "webservice/WebService.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QStandardPaths>

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
    if (registered())
        forget();
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
    m_rounds = 0;
    if (registered())
        fetch({});
    else
        readSecret();
}

QString UnsubscribeMailbox::secretKey() const
{
    // One secret a service: a mailbox belongs to the service it was registered with.
    return QLatin1String(secretName) + u':' + m_baseUrl;
}

QString UnsubscribeMailbox::markerPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + u"/unsubscribe-mailboxes.json"_s;
}

bool UnsubscribeMailbox::registeredBefore() const
{
    QFile file(markerPath());
    return file.open(QIODevice::ReadOnly)
           && QJsonDocument::fromJson(file.readAll()).object().contains(m_baseUrl);
}

void UnsubscribeMailbox::rememberRegistration() const
{
    QJsonObject known;
    QFile file(markerPath());
    if (file.open(QIODevice::ReadOnly))
        known = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    known.insert(m_baseUrl, QString::fromLatin1(m_mailbox.toHex()));
    QDir().mkpath(QFileInfo(markerPath()).absolutePath());
    QSaveFile out(markerPath());
    if (out.open(QIODevice::WriteOnly) && PrivateFiles::restrict(out)) {
        out.write(QJsonDocument(known).toJson());
        out.commit();
    }
}

void UnsubscribeMailbox::readSecret()
{
    const auto take = [this] {
        const QJsonObject kept
                = m_secrets
                          ? QJsonDocument::fromJson(m_secrets->secret(secretKey()).toUtf8()).object()
                          : QJsonObject();
        const QByteArray mailbox = QByteArray::fromHex(
                kept.value("mailbox"_L1).toString().toLatin1());
        const auto secret
                = QByteArray::fromBase64Encoding(kept.value("secret"_L1).toString().toLatin1(),
                                                 base64 | QByteArray::AbortOnBase64DecodingErrors);
        if (mailbox.size() == 16 && secret && secret.decoded.size() == 32) {
            use(mailbox, secret.decoded);
            return fetch({});
        }
        // A mailbox registered before whose secret cannot be read now (the
        // keychain not answering): a new one would lose the unsubscribes
        // of every message already sent, so none is made.
        if (registeredBefore())
            return finish(u"The secret of this program's unsubscribe mailbox cannot be read from "
                          "the keychain."_s);
        if (m_registering)
            return registerMailbox();
        finish(QString());
    };
    // Nothing registered with this service, nothing to register: the
    // keychain is not asked at all.
    if (!m_registering && !registeredBefore())
        return finish(QString());
    if (!m_secrets)
        return take();
    // The keychain answers later: asked once, read when it has.
    m_secrets->load({secretKey()});
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

void UnsubscribeMailbox::use(const QByteArray &mailbox, const QByteArray &secret)
{
    const UnsubscribeToken::Keys keys = UnsubscribeToken::keysFrom(secret);
    m_mailbox = mailbox;
    m_sealKey = keys.seal;
    m_proof = keys.proof;
    emit registeredChanged();
}

void UnsubscribeMailbox::forget()
{
    m_mailbox.clear();
    m_sealKey.clear();
    m_proof.clear();
    emit registeredChanged();
}

void UnsubscribeMailbox::registerMailbox()
{
    post(u"unsubscribe/register"_s, "{}", [this](int status, bool, const QByteArray &answer) {
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
        if (!m_secrets) {
            use(mailbox, secret.decoded);
            return fetch({});
        }
        // Links are handed out only once the secret is kept: one that did not
        // survive a restart would leave its unsubscribes unread.
        const QString name = secretKey();
        auto *once = new QObject(this);
        connect(m_secrets, &SecretStore::stored, once,
                [this, once, name, mailbox, secret = secret.decoded](const QString &storedName,
                                                                     bool ok,
                                                                     const QString &reason) {
                    if (storedName != name)
                        return;
                    delete once;
                    if (!ok)
                        return finish(u"The unsubscribe mailbox could not be kept in the "
                                      "keychain: "_s
                                      + reason);
                    use(mailbox, secret);
                    rememberRegistration();
                    fetch({});
                });
        const QJsonObject kept{{u"service"_s, m_baseUrl},
                               {u"mailbox"_s, QString::fromLatin1(mailbox.toHex())},
                               {u"secret"_s, secretText}};
        m_secrets->setSecret(name,
                             QString::fromUtf8(QJsonDocument(kept).toJson(QJsonDocument::Compact)));
    });
}

void UnsubscribeMailbox::fetch(const QList<qint64> &acknowledged)
{
    // Bounded, should the service keep giving what was acknowledged.
    if (++m_rounds > 100)
        return finish(QString());
    QJsonArray ids;
    for (const qint64 id : acknowledged)
        ids.append(id);
    const QJsonObject body{{u"mailbox"_s, QString::fromLatin1(m_mailbox.toHex())},
                           {u"proof"_s, QString::fromLatin1(m_proof.toBase64(base64))},
                           {u"acknowledged"_s, ids}};
    post(u"unsubscribe/events"_s, QJsonDocument(body).toJson(QJsonDocument::Compact),
         [this](int status, bool ours, const QByteArray &answer) {
             // Only the service itself saying so (not a proxy's or a
             // portal's refusal) makes the mailbox one to give up.
             if (status == 403 && ours) {
                 forget();
                 if (m_secrets)
                     m_secrets->removeSecret(secretKey());
                 return finish(u"The web service no longer knows this program's mailbox."_s);
             }
             const QJsonValue events = QJsonDocument::fromJson(answer).object().value("events"_L1);
             if (status != 200 || !ours || !events.isArray())
                 return finish(status == 0 || !ours
                                       ? u"The web service cannot be reached."_s
                                       : u"The web service did not give the unsubscribes."_s);
             // Listed first, then acknowledged, which also brings the next ones.
             QList<qint64> taken;
             for (const QJsonValue &value : events.toArray()) {
                 const QJsonObject event = value.toObject();
                 const QString address = event.value("address"_L1).toString();
                 if (!m_suppression)
                     continue;
                 if (!m_suppression->contains(address)) {
                     if (!m_suppression->add(address, u"unsubscribed"_s,
                                             event.value("run"_L1).toString()))
                         continue; // not an address: left on the service
                     ++m_added;
                 }
                 taken.append(event.value("id"_L1).toInteger());
             }
             if (!taken.isEmpty())
                 return fetch(taken);
             finish(QString());
         });
}

void UnsubscribeMailbox::post(const QString &name, const QByteArray &body,
                              const std::function<void(int, bool, const QByteArray &)> &done)
{
    ServiceReply *result = WebService::request(m_network, "POST", m_baseUrl + u"api/"_s + name,
                                               body, m_requestToken, timeLimitMs, maxAnswerBytes,
                                               this);
    connect(result, &ServiceReply::finished, this,
            [this, done](int status, const QString &text, const QString &authorization) {
                done(status, authorization == u"Bearer "_s + m_responseToken, text.toUtf8());
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
