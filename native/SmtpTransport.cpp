#include "SmtpTransport.h"

#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <mutex>

using namespace Qt::Literals::StringLiterals;

namespace {

void ensureCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// The system's default bundle followed by the extra one, for CURLOPT_CAINFO_BLOB.
QByteArray caBundle(CURL *curl, const QString &extraFile)
{
    QFile extra(extraFile);
    if (extraFile.isEmpty() || !extra.open(QIODevice::ReadOnly))
        return {};
    QByteArray bundle;
    char *defaultPath = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_CAINFO, &defaultPath) == CURLE_OK && defaultPath) {
        QFile system(QString::fromLocal8Bit(defaultPath));
        if (system.open(QIODevice::ReadOnly))
            bundle = system.readAll() + '\n';
    }
    return bundle + extra.readAll();
}

long seconds(int ms)
{
    return std::max(1L, static_cast<long>((ms + 999) / 1000));
}

QString failureText(CURLcode code, const char *errorBuffer)
{
    QString text = QString::fromUtf8(errorBuffer).trimmed();
    if (text.isEmpty())
        text = QString::fromUtf8(curl_easy_strerror(code));
    switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
        if (!text.contains("timed out"_L1, Qt::CaseInsensitive))
            text = u"Timed out: "_s + text;
        break;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        if (!text.contains("certificate"_L1, Qt::CaseInsensitive))
            text = u"Server certificate not accepted: "_s + text;
        break;
    default:
        break;
    }
    return text;
}

} // namespace

SmtpTransport::Security SmtpTransport::securityFor(const QString &connection, quint16 port)
{
    if (connection == "SSL"_L1)
        return Security::ImplicitTls;
    if (connection == "TLS"_L1)
        return Security::StartTlsRequired;
    if (connection == "None"_L1)
        return Security::Plain;
    if (connection == "Auto"_L1 && port == 465)
        return Security::ImplicitTls;
    if (connection == "Auto"_L1 && port == 587)
        return Security::StartTlsRequired;
    // "Auto" on another port, or an unknown choice that still logs in: never
    // send the password in the clear when the server can do better.
    return Security::StartTlsIfOffered;
}

bool SmtpTransport::authenticates(const QString &connection, const QString &password)
{
    return connection != "None"_L1 && !password.isEmpty();
}

SmtpTransport::SmtpTransport(Settings settings) : m_settings(std::move(settings)) {}

SmtpTransport::~SmtpTransport()
{
    closeConnection();
}

namespace {

// What one attempt learns from curl's callbacks, all on the delivering thread.
struct Conversation
{
    SmtpTransport::Control *control = nullptr;
    const QByteArray *message = nullptr;
    qsizetype offset = 0;
    QByteArray last; // the last complete reply line the server sent
    bool recording = true;
    bool sawReply = false;
    bool messageSent = false;    // every byte handed to curl
    bool replyAfterData = false; // a reply came once the message was out
    QByteArray replyToData;
    int idleMs = 60 * 1000;
    std::chrono::steady_clock::time_point lastActivity = std::chrono::steady_clock::now();
    // Once set, every progress call answers "abort": curl then gives up the
    // reply wait and the QUIT it would send, instead of waiting twice.
    bool gaveUp = false;
    bool abandoned = false;
    QString giveUpReason;
    std::atomic<int> *logins = nullptr;
};

void touch(Conversation *c)
{
    c->lastActivity = std::chrono::steady_clock::now();
}

size_t readMessage(char *buffer, size_t size, size_t count, void *userdata)
{
    auto *c = static_cast<Conversation *>(userdata);
    const qsizetype wanted = static_cast<qsizetype>(size * count);
    const qsizetype chunk = std::min(wanted, c->message->size() - c->offset);
    std::memcpy(buffer, c->message->constData() + c->offset, static_cast<size_t>(chunk));
    c->offset += chunk;
    // curl stops asking once it has the announced size.
    if (c->offset >= c->message->size() && !c->messageSent) {
        c->messageSent = true;
        if (c->control)
            c->control->messageSent = true;
    }
    return static_cast<size_t>(chunk);
}

int onDebug(CURL *, curl_infotype type, char *data, size_t size, void *userdata)
{
    auto *c = static_cast<Conversation *>(userdata);
    if (type == CURLINFO_HEADER_OUT || type == CURLINFO_DATA_OUT || type == CURLINFO_HEADER_IN
        || type == CURLINFO_DATA_IN)
        touch(c);
    if (type == CURLINFO_HEADER_OUT && size >= 4) {
        // The reply to QUIT says nothing about the message: stop listening there.
        if (qstrncmp(data, "QUIT", 4) == 0)
            c->recording = false;
        if (qstrncmp(data, "AUTH", 4) == 0 && c->logins)
            ++*c->logins;
    }
    if (type == CURLINFO_DATA_OUT && c->control && !c->control->dataStarted.exchange(true)
        && c->control->onDataStarted)
        c->control->onDataStarted();
    if (type != CURLINFO_HEADER_IN || !c->recording)
        return 0;
    const QList<QByteArray> lines = QByteArray(data, static_cast<qsizetype>(size)).split('\n');
    for (const QByteArray &line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        c->last = trimmed;
        c->sawReply = true;
        if (c->messageSent) {
            c->replyAfterData = true;
            c->replyToData = trimmed;
        }
    }
    return 0;
}

void giveUp(Conversation *c, const QString &reason, bool abandoned)
{
    c->gaveUp = true;
    c->abandoned = abandoned;
    c->giveUpReason = reason;
}

// curl calls this at least once a second, also while it waits for a reply.
int onProgress(void *userdata, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    auto *c = static_cast<Conversation *>(userdata);
    if (c->gaveUp)
        return 1;
    if (c->control && c->control->abort) {
        giveUp(c, u"Stopped while waiting for the server"_s, !c->messageSent);
    } else if (c->control && c->control->abortUnlessSent && !c->messageSent) {
        giveUp(c, u"Stopped before the message was sent"_s, true);
    } else {
        const auto silent = std::chrono::steady_clock::now() - c->lastActivity;
        if (silent > std::chrono::milliseconds(c->idleMs))
            giveUp(c,
                   u"Timed out: the server did not answer for %1 s"_s.arg((c->idleMs + 999) / 1000),
                   false);
    }
    return c->gaveUp ? 1 : 0;
}

int replyCode(const QByteArray &line)
{
    return line.size() >= 3 ? line.left(3).toInt() : 0;
}

bool connectionTrouble(CURLcode code)
{
    switch (code) {
    case CURLE_COULDNT_CONNECT:
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_GOT_NOTHING:
    case CURLE_OPERATION_TIMEDOUT:
    case CURLE_ABORTED_BY_CALLBACK:
    case CURLE_WEIRD_SERVER_REPLY:
        return true;
    default:
        return false;
    }
}

qint64 steadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
}

} // namespace

void SmtpTransport::closeConnection()
{
    if (!m_curl)
        return;
    // Saying goodbye to a server that stopped answering must not take long.
    Conversation closing;
    closing.idleMs = 2000;
    curl_easy_setopt(m_curl, CURLOPT_DEBUGDATA, &closing);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, &closing);
    curl_easy_setopt(m_curl, CURLOPT_READDATA, &closing);
    curl_easy_cleanup(m_curl);
    m_curl = nullptr;
    m_messagesOnConnection = 0;
}

SmtpTransport::Result SmtpTransport::deliver(const QString &from, const QString &to,
                                             const QByteArray &message, Control *control)
{
    // A server may close a connection we kept for a while; start afresh
    // rather than find out in the middle of a message.
    if (m_curl
        && (steadyMs() - m_lastUseMs > m_settings.reuseIdleMs
            || m_messagesOnConnection >= m_settings.messagesPerConnection))
        closeConnection();
    const bool reusing = m_curl != nullptr && m_messagesOnConnection > 0;
    bool silentOnReuse = false;
    Result result = attempt(from, to, message, control, &silentOnReuse);
    // A kept connection that died while idle gives no reply at all: one new
    // connection settles whether the server itself is the trouble.
    if (reusing && silentOnReuse) {
        closeConnection();
        result = attempt(from, to, message, control, &silentOnReuse);
    }
    m_lastUseMs = steadyMs();
    return result;
}

SmtpTransport::Result SmtpTransport::attempt(const QString &from, const QString &to,
                                             const QByteArray &message, Control *control,
                                             bool *silentOnReuse)
{
    *silentOnReuse = false;
    ensureCurl();
    if (!m_curl)
        m_curl = curl_easy_init();
    else
        curl_easy_reset(m_curl); // options only; the open connection stays
    CURL *curl = m_curl;
    if (!curl)
        return {false, u"Could not start the SMTP client"_s, Outcome::Failed, true, false, false};

    QUrl url;
    url.setScheme(m_settings.security == Security::ImplicitTls ? u"smtps"_s : u"smtp"_s);
    url.setHost(m_settings.host);
    url.setPort(m_settings.port);
    const QByteArray urlBytes = url.toEncoded();
    const QByteArray mailFrom = '<' + from.toUtf8() + '>';
    const QByteArray user = m_settings.username.toUtf8();
    const QByteArray password = m_settings.password.toUtf8();
    char errorBuffer[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(curl, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    const bool lastOnConnection = !m_settings.keepAlive
                                  || m_messagesOnConnection + 1 >= m_settings.messagesPerConnection;
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, lastOnConnection ? 1L : 0L);
    if (!m_settings.keepAlive)
        curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);

    switch (m_settings.security) {
    case Security::Plain:
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_NONE));
        break;
    case Security::StartTlsIfOffered:
        // Without a password nothing secret travels; with one, a server that
        // offers no STARTTLS (or someone who strips the offer) gets no login.
        curl_easy_setopt(curl, CURLOPT_USE_SSL,
                         static_cast<long>(m_settings.authenticate ? CURLUSESSL_ALL
                                                                   : CURLUSESSL_TRY));
        break;
    case Security::StartTlsRequired:
    case Security::ImplicitTls:
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        break;
    }
    // Certificates are always verified; the extra authorities only add trust.
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    const QByteArray bundle = caBundle(curl, m_settings.extraCaFile);
    curl_blob blob{const_cast<char *>(bundle.constData()), static_cast<size_t>(bundle.size()),
                   CURL_BLOB_COPY};
    if (!bundle.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO_BLOB, &blob);

    if (m_settings.authenticate) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(curl, CURLOPT_LOGIN_OPTIONS, "AUTH=LOGIN");
    }

    // Our own silence check (onProgress) decides first; curl's limits stay
    // as a backstop a little later.
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(m_settings.connectTimeoutMs));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(m_settings.totalTimeoutMs));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, seconds(m_settings.idleTimeoutMs) + 5);

    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, mailFrom.constData());
    const QByteArray rcptTo = '<' + to.toUtf8() + '>';
    curl_slist *recipients = curl_slist_append(nullptr, rcptTo.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);

    Conversation c;
    c.control = control;
    c.message = &message;
    c.idleMs = m_settings.idleTimeoutMs;
    c.logins = &m_logins;
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readMessage);
    curl_easy_setopt(curl, CURLOPT_READDATA, &c);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));

    // The debug hook is how the server's reply lines reach us; nothing is printed.
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &c);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &c);

    const CURLcode code = curl_easy_perform(curl);
    // The callbacks' data dies with this frame; nothing may call them with it.
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, nullptr);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 0L);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 1L);
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, nullptr);
    curl_slist_free_all(recipients);

    long newConnections = 0;
    curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &newConnections);
    m_connections += static_cast<int>(newConnections);

    Result result;
    const QString lastReply = QString::fromUtf8(c.last);
    const int lastCode = replyCode(c.last);
    const bool serverRefused = lastCode >= 400 && lastCode < 600;
    if (code == CURLE_OK) {
        result.accepted = true;
        result.outcome = Outcome::Sent;
        result.text = lastReply;
        m_messagesOnConnection = lastOnConnection ? 0 : m_messagesOnConnection + 1;
        if (lastOnConnection)
            closeConnection();
        return result;
    }

    // curl closes a connection after any failure.
    m_messagesOnConnection = 0;
    if (c.gaveUp && c.abandoned) {
        result.abandoned = true;
        result.text = c.giveUpReason;
        closeConnection();
        return result;
    }
    if (c.messageSent && !c.replyAfterData) {
        result.outcome = Outcome::Unknown;
        result.text = c.gaveUp ? c.giveUpReason : failureText(code, errorBuffer);
        closeConnection();
        return result;
    }

    result.outcome = Outcome::Failed;
    if (serverRefused) {
        result.text = lastReply;
        result.temporary = lastCode < 500;
        result.serverClosed = lastCode == 421;
    } else if (code == CURLE_USE_SSL_FAILED && m_settings.security == Security::StartTlsIfOffered) {
        result.text = u"The server offers no encrypted connection (STARTTLS), so the password "
                      "was not sent. Choose the connection \"None\" only if it may travel "
                      "unencrypted. ("_s
                      + failureText(code, errorBuffer) + u')';
    } else {
        result.text = c.gaveUp ? c.giveUpReason : failureText(code, errorBuffer);
        result.temporary = connectionTrouble(code);
        // A connection that was up and then went away: the server hung up.
        result.serverClosed = c.sawReply
                              && (code == CURLE_RECV_ERROR || code == CURLE_SEND_ERROR
                                  || code == CURLE_GOT_NOTHING);
        *silentOnReuse = newConnections == 0 && !c.sawReply && !c.messageSent
                         && (control == nullptr || !control->dataStarted);
    }
    closeConnection();
    return result;
}
