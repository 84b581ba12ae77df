#include "mail/SmtpTransport.h"

#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#include <unistd.h>
#endif

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
    if (code == CURLE_OPERATION_TIMEDOUT && !text.contains("timed out"_L1, Qt::CaseInsensitive))
        text = u"Timed out: "_s + text;
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

using Phase = SmtpTransport::Phase;

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
    Phase phase = Phase::Connect;
    bool awaitingReply = false; // a command went out and its reply has not come
    qint64 sizeLimit = -1;
    int idleMs = 60 * 1000;
    std::chrono::steady_clock::time_point lastActivity = std::chrono::steady_clock::now();
    // Once set, every progress call answers "abort".
    bool gaveUp = false;
    bool abandoned = false;
    QString giveUpReason;
    std::atomic<int> *logins = nullptr;
    std::function<void()> dropSocket; // shuts the connection's socket
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
        c->phase = Phase::Reply;
        c->awaitingReply = true;
        if (c->control)
            c->control->messageSent = true;
    }
    return static_cast<size_t>(chunk);
}

// The phase a command opens. During a login the lines sent are answers to
// the server's questions: only MAIL ends it.
void commandSent(Conversation *c, const char *data, size_t size)
{
    const auto is = [&](const char *verb) {
        const size_t length = std::strlen(verb);
        return size >= length && qstrnicmp(data, verb, static_cast<uint>(length)) == 0;
    };
    if (is("MAIL FROM:"))
        c->phase = Phase::Sender;
    else if (c->phase == Phase::Login)
        return;
    else if (is("EHLO ") || is("HELO "))
        c->phase = Phase::Hello;
    else if (is("STARTTLS"))
        c->phase = Phase::Security;
    else if (is("AUTH "))
        c->phase = Phase::Login;
    else if (is("RCPT TO:"))
        c->phase = Phase::Recipient;
    else if (is("DATA"))
        c->phase = Phase::Data;
}

// "250-SIZE 10240000" in an EHLO reply.
void readSize(Conversation *c, const QByteArray &line)
{
    if (line.size() < 9 || !line.mid(4, 4).toUpper().startsWith("SIZE"))
        return;
    bool ok = false;
    const qint64 size = line.mid(8).trimmed().toLongLong(&ok);
    if (ok && size >= 0)
        c->sizeLimit = size;
}

int onDebug(CURL *, curl_infotype type, char *data, size_t size, void *userdata)
{
    auto *c = static_cast<Conversation *>(userdata);
    if (type == CURLINFO_HEADER_OUT || type == CURLINFO_DATA_OUT || type == CURLINFO_HEADER_IN
        || type == CURLINFO_DATA_IN)
        touch(c);
    if (type == CURLINFO_TEXT && c->phase == Phase::Connect && size >= 12
        && qstrncmp(data, "Connected to", 12) == 0)
        c->phase = Phase::Greeting;
    if (type == CURLINFO_HEADER_OUT && size >= 4) {
        // The reply to QUIT says nothing about the message: stop listening
        // there, and never wait for it on a server that already failed us.
        if (qstrncmp(data, "QUIT", 4) == 0) {
            c->recording = false;
            if ((c->awaitingReply || c->gaveUp) && c->dropSocket)
                c->dropSocket();
            return 0;
        }
        if (qstrncmp(data, "AUTH", 4) == 0 && c->logins)
            ++*c->logins;
        commandSent(c, data, size);
        c->awaitingReply = true;
    }
    if (type == CURLINFO_DATA_OUT) {
        if (!c->messageSent)
            c->phase = Phase::Body;
        if (c->control && !c->control->dataStarted.exchange(true) && c->control->onDataStarted)
            c->control->onDataStarted();
    }
    if (type != CURLINFO_HEADER_IN || !c->recording)
        return 0;
    if (c->phase == Phase::Connect)
        c->phase = Phase::Greeting;
    const QList<QByteArray> lines = QByteArray(data, static_cast<qsizetype>(size)).split('\n');
    for (const QByteArray &line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty())
            continue;
        c->last = trimmed;
        c->sawReply = true;
        if (c->phase == Phase::Hello)
            readSize(c, trimmed);
        // "250-" goes on; "250 " or a bare code ends the reply.
        if (trimmed.size() < 4 || trimmed.at(3) != '-')
            c->awaitingReply = false;
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
    // Whatever curl would still say or wait for on this connection, it
    // fails at once.
    if (c->dropSocket)
        c->dropSocket();
}

// Whether to give up now: asked to, or the server has been silent too long.
bool checkLimits(Conversation *c)
{
    if (c->gaveUp)
        return true;
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
    return c->gaveUp;
}

// curl calls this at least once a second, also while it waits for a reply
// inside one call.
int onProgress(void *userdata, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return checkLimits(static_cast<Conversation *>(userdata)) ? 1 : 0;
}

// The connection's socket is ours to know of from its creation until curl
// closes it, so that it can be shut without ever touching a reused number.
int onSocketMade(void *clientp, curl_socket_t socket, curlsocktype purpose)
{
    if (purpose == CURLSOCKTYPE_IPCXN)
        *static_cast<qintptr *>(clientp) = static_cast<qintptr>(socket);
    return CURL_SOCKOPT_OK;
}

int onSocketClosed(void *clientp, curl_socket_t socket)
{
    auto *known = static_cast<qintptr *>(clientp);
    if (*known == static_cast<qintptr>(socket))
        *known = -1;
#ifdef Q_OS_WIN
    return closesocket(socket);
#else
    return close(socket);
#endif
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

SmtpTransport::Failure failureOf(CURLcode code)
{
    using Failure = SmtpTransport::Failure;
    switch (code) {
    case CURLE_COULDNT_CONNECT:
        return Failure::Refused;
    case CURLE_COULDNT_RESOLVE_HOST:
        return Failure::HostNotFound;
    case CURLE_SSL_CONNECT_ERROR:
        return Failure::Tls;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_CERTPROBLEM:
        return Failure::Certificate;
    case CURLE_WEIRD_SERVER_REPLY:
        return Failure::Unreadable;
    default:
        return Failure::None;
    }
}

qint64 steadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
}

// The refusal's enhanced status code ("5.1.1"), or "".
QByteArray enhancedCode(const QByteArray &line)
{
    const QByteArray rest = line.mid(4).trimmed();
    const qsizetype space = rest.indexOf(' ');
    const QByteArray code = space < 0 ? rest : rest.left(space);
    return code.count('.') == 2 && !code.isEmpty() && code.at(0) >= '2' && code.at(0) <= '5'
                   ? code
                   : QByteArray();
}

// What a refusal by the server is about, by the reply and where it came.
void classifyRefusal(SmtpTransport::Result *result, int code, const QByteArray &line, Phase phase)
{
    using Scope = SmtpTransport::Scope;
    const QByteArray enhanced = enhancedCode(line);
    if (code == 421) {
        result->scope = Scope::ServerBusy;
        result->serverClosed = true;
    } else if (phase == Phase::Login
               && (code == 535 || code == 534 || code == 530 || enhanced == "5.7.8"
                   || enhanced == "5.7.9")) {
        result->scope = Scope::Login;
    } else if ((phase == Phase::Reply
                && (code == 552 || code == 554 || enhanced == "5.3.4" || enhanced == "5.2.3"))
               || (phase == Phase::Sender && (code == 552 || enhanced == "5.3.4"))) {
        result->scope = Scope::Message;
    } else {
        result->scope = Scope::Recipient;
        result->addressUnknown = phase == Phase::Recipient
                                 && SmtpTransport::refusesAddress(QString::fromUtf8(line));
    }
}

QString filled(const QVariantMap &texts, const char *key, const QString &english)
{
    const QString text = texts.value(QLatin1StringView(key)).toString();
    return text.isEmpty() ? english : text;
}

} // namespace

bool SmtpTransport::refusesAddress(const QString &reply)
{
    const QByteArray line = reply.toUtf8();
    return replyCode(line) >= 500 && replyCode(line) < 600 && enhancedCode(line).startsWith("5.1.");
}

bool SmtpTransport::bouncesForGood(const QString &reply)
{
    const QByteArray line = reply.toUtf8();
    const int code = replyCode(line);
    const QByteArray enhanced = enhancedCode(line);
    if (code < 500 || code >= 600)
        return false;
    return enhanced == "5.2.1"
           || (enhanced.startsWith("5.1.") && enhanced != "5.1.7" && enhanced != "5.1.8");
}

namespace {

struct Sentence
{
    const char *key = nullptr;
    QString english;
};

// Which sentence tells a failure: by the transport's failure kind first, then
// by what the failure was about, then by the class of the server's refusal.
Sentence sentenceFor(const SmtpTransport::Result &result)
{
    using Failure = SmtpTransport::Failure;
    using Scope = SmtpTransport::Scope;
    switch (result.failure) {
    case Failure::Refused:
        return {"refused", u"Connection refused by %1:%2: check the server's name and port."_s};
    case Failure::HostNotFound:
        return {"hostNotFound", u"The server %1 could not be found: check its name."_s};
    case Failure::Tls:
        return {"tls", u"No secure connection could be made with %1:%2: check that the connection "
                       "type (SSL/TLS or STARTTLS) is the one this port expects."_s};
    case Failure::Certificate:
        return {"certificate",
                u"The certificate of the server %1 is not trusted, so nothing was sent to it."_s};
    case Failure::NoStartTlsForLogin:
        return {"noStartTlsLogin",
                u"The server %1 offers no encrypted connection (STARTTLS), so the password was "
                "not sent. Choose the connection \"None\" only if it may travel unencrypted."_s};
    case Failure::NoStartTls:
        return {"noStartTls",
                u"The server %1 offers no encrypted connection (STARTTLS), which this account's "
                "connection type requires."_s};
    case Failure::Unreadable:
        return {"unreadable",
                u"The server %1:%2 answered in a way that is not SMTP: check the port and the "
                "connection type."_s};
    case Failure::None:
        break;
    }
    switch (result.scope) {
    case Scope::Login:
        return {"login", u"The server %1 refused the login: check the account's user name and "
                         "password."_s};
    case Scope::Message:
        return {"message",
                u"The server %1 refused the message itself (its size or its content), so it "
                "cannot go to anyone as it is."_s};
    case Scope::ServerBusy:
        return {"busy", u"The server %1 asked to wait before sending more."_s};
    case Scope::Unreachable:
    case Scope::Connection:
        if (result.timedOut)
            return {"silent", u"The server %1, port %2, did not answer for %3 s."_s};
        if (result.phase == SmtpTransport::Phase::Connect)
            return {"unreachable", u"Could not connect to the server %1, port %2."_s};
        if (result.outcome != SmtpTransport::Outcome::Unknown)
            return {"dropped", u"The server %1, port %2, closed the connection."_s};
        break;
    case Scope::Recipient: {
        // A refusal in the server's own words: its class says what it means.
        const int code = replyCode(result.text.toUtf8());
        if (code < 400 || code >= 600)
            break;
        if (result.addressUnknown)
            return {"addressUnknown", u"The server %1 says this address does not exist."_s};
        if (result.phase == SmtpTransport::Phase::Sender)
            return {"senderRefused", u"The server %1 refused the sender's address."_s};
        if (code < 500)
            return {"recipientLater", u"The server %1 refused this recipient for now."_s};
        return {"recipientRefused", u"The server %1 refused this recipient."_s};
    }
    case Scope::None:
        break;
    }
    return {};
}

} // namespace

QString SmtpTransport::describe(const Result &result, const QString &host, quint16 port,
                                int idleTimeoutMs, const QVariantMap &texts)
{
    if (result.accepted || result.abandoned)
        return result.text;
    const Sentence sentence = sentenceFor(result);
    if (!sentence.key)
        return result.text;
    QString plain = filled(texts, sentence.key, sentence.english);
    // One pass, so that a host name holding "%2" stays as it is.
    if (plain.contains(u"%3"_s))
        plain = plain.arg(host, QString::number(port),
                          QString::number((idleTimeoutMs + 999) / 1000));
    else if (plain.contains(u"%2"_s))
        plain = plain.arg(host, QString::number(port));
    else if (plain.contains(u"%1"_s))
        plain = plain.arg(host);
    return result.text.isEmpty() ? plain : plain + u" ("_s + result.text + u')';
}

void SmtpTransport::dropSocket()
{
    if (m_socket < 0)
        return;
#ifdef Q_OS_WIN
    shutdown(static_cast<SOCKET>(m_socket), SD_BOTH);
#else
    shutdown(static_cast<int>(m_socket), SHUT_RDWR);
#endif
}

void SmtpTransport::closeConnection(bool atOnce)
{
    if (!m_curl)
        return;
    if (atOnce)
        dropSocket();
    // Saying goodbye to a server that stopped answering must not take long.
    Conversation closing;
    closing.idleMs = 2000;
    curl_easy_setopt(m_curl, CURLOPT_DEBUGDATA, &closing);
    curl_easy_setopt(m_curl, CURLOPT_XFERINFODATA, &closing);
    curl_easy_setopt(m_curl, CURLOPT_READDATA, &closing);
    // The cached connection belongs to the multi handle: it goes with it.
    curl_multi_remove_handle(m_multi, m_curl);
    curl_easy_cleanup(m_curl);
    curl_multi_cleanup(m_multi);
    m_curl = nullptr;
    m_multi = nullptr;
    m_socket = -1;
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
        closeConnection(true);
        result = attempt(from, to, message, control, &silentOnReuse);
    }
    m_lastUseMs = steadyMs();
    return result;
}

SmtpTransport::Result SmtpTransport::probe(Control *control)
{
    closeConnection();
    bool silentOnReuse = false;
    Result result = attempt(QString(), QString(), QByteArray(), control, &silentOnReuse, true);
    closeConnection(!result.accepted);
    return result;
}

namespace {

// Sets the options of one attempt: server, security, login, limits and
// envelope. curl copies every string; the recipient list it is given is
// returned, to be freed once the transfer is over.
curl_slist *configure(CURL *curl, const SmtpTransport::Settings &settings, const QString &from,
                      const QString &to, bool probeOnly, bool lastOnConnection, qintptr *socket,
                      char *errorBuffer)
{
    using Security = SmtpTransport::Security;
    QUrl url;
    url.setScheme(settings.security == Security::ImplicitTls ? u"smtps"_s : u"smtp"_s);
    url.setHost(settings.host);
    url.setPort(settings.port);
    curl_easy_setopt(curl, CURLOPT_URL, url.toEncoded().constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, lastOnConnection ? 1L : 0L);
    if (!settings.keepAlive)
        curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(curl, CURLOPT_SOCKOPTFUNCTION, onSocketMade);
    curl_easy_setopt(curl, CURLOPT_SOCKOPTDATA, socket);
    curl_easy_setopt(curl, CURLOPT_CLOSESOCKETFUNCTION, onSocketClosed);
    curl_easy_setopt(curl, CURLOPT_CLOSESOCKETDATA, socket);

    const bool authenticate = settings.authenticate && !probeOnly;
    switch (settings.security) {
    case Security::Plain:
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_NONE));
        break;
    case Security::StartTlsIfOffered:
        // Without a password nothing secret travels; with one, a server that
        // offers no STARTTLS (or someone who strips the offer) gets no login.
        curl_easy_setopt(curl, CURLOPT_USE_SSL,
                         static_cast<long>(authenticate ? CURLUSESSL_ALL : CURLUSESSL_TRY));
        break;
    case Security::StartTlsRequired:
    case Security::ImplicitTls:
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        break;
    }
    // Certificates are always verified; the extra authorities only add trust.
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    const QByteArray bundle = caBundle(curl, settings.extraCaFile);
    curl_blob blob{const_cast<char *>(bundle.constData()), static_cast<size_t>(bundle.size()),
                   CURL_BLOB_COPY};
    if (!bundle.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO_BLOB, &blob);

    if (authenticate) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, settings.username.toUtf8().constData());
        if (!settings.bearer.isEmpty()) {
            curl_easy_setopt(curl, CURLOPT_XOAUTH2_BEARER, settings.bearer.toUtf8().constData());
        } else {
            curl_easy_setopt(curl, CURLOPT_PASSWORD, settings.password.toUtf8().constData());
            curl_easy_setopt(curl, CURLOPT_LOGIN_OPTIONS, "AUTH=LOGIN");
        }
    }

    // Our own silence check decides while curl hands control back; curl's
    // reply limit holds the waits it makes inside one call (the reply to the
    // end of the message). A connection that timed out is shut, never sent QUIT.
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(settings.connectTimeoutMs));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(settings.totalTimeoutMs));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, seconds(settings.idleTimeoutMs));

    if (probeOnly) {
        curl_easy_setopt(curl, CURLOPT_CONNECT_ONLY, 1L);
        return nullptr;
    }
    const QByteArray mailFrom = '<' + from.toUtf8() + '>';
    const QByteArray rcptTo = '<' + to.toUtf8() + '>';
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, mailFrom.constData());
    curl_slist *recipients = curl_slist_append(nullptr, rcptTo.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);
    return recipients;
}

// Points curl's callbacks at the conversation: the message to upload, the
// server's lines (through the debug hook; nothing is printed) and progress.
void hookConversation(CURL *curl, Conversation *c, bool probeOnly)
{
    if (!probeOnly) {
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, readMessage);
        curl_easy_setopt(curl, CURLOPT_READDATA, c);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE,
                         static_cast<curl_off_t>(c->message->size()));
    }
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, onDebug);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, c);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, c);
}

// Runs the transfer to its end, looking at our limits between curl's steps,
// and unhooks the callbacks whose data dies with the caller's frame.
CURLcode transfer(CURLM *multi, CURL *curl, Conversation *c)
{
    CURLcode code = CURLE_OK;
    curl_multi_add_handle(multi, curl);
    for (;;) {
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            code = CURLE_FAILED_INIT;
            break;
        }
        if (running == 0) {
            int left = 0;
            while (CURLMsg *done = curl_multi_info_read(multi, &left)) {
                if (done->msg == CURLMSG_DONE && done->easy_handle == curl)
                    code = done->data.result;
            }
            break;
        }
        // A tenth of a second at most between two looks at the limits, and
        // never past a timer curl itself set: its state machine may move on
        // without any socket becoming ready.
        long wait = 100;
        if (curl_multi_timeout(multi, &wait) != CURLM_OK || wait < 0 || wait > 100)
            wait = 100;
        if (wait > 0)
            curl_multi_poll(multi, nullptr, 0, static_cast<int>(wait), nullptr);
        if (checkLimits(c)) {
            code = CURLE_ABORTED_BY_CALLBACK;
            break;
        }
    }
    // Removing a transfer cut short ends it there, its connection dead.
    curl_multi_remove_handle(multi, curl);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, nullptr);
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 0L);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 1L);
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, nullptr);
    return code;
}

// What an attempt that did not end in acceptance comes to: the outcome,
// whose trouble it is, whether it may pass, and the words to show.
// `silentOnReuse`: a kept connection gave no sign of life at all.
SmtpTransport::Result classifyFailure(CURLcode code, const Conversation &c, const char *errorBuffer,
                                      long newConnections, SmtpTransport::Security security,
                                      const SmtpTransport::Control *control, bool *silentOnReuse)
{
    using Outcome = SmtpTransport::Outcome;
    using Scope = SmtpTransport::Scope;
    using Failure = SmtpTransport::Failure;
    SmtpTransport::Result result;
    result.phase = c.phase;
    result.sizeLimit = c.sizeLimit;
    result.timedOut = code == CURLE_OPERATION_TIMEDOUT
                      || (c.gaveUp && !c.abandoned
                          && !(control && (control->abort || control->abortUnlessSent)));
    if (c.gaveUp && c.abandoned) {
        result.abandoned = true;
        result.text = c.giveUpReason;
        return result;
    }
    if (c.messageSent && !c.replyAfterData) {
        result.outcome = Outcome::Unknown;
        result.scope = Scope::Connection;
        result.text = c.gaveUp ? c.giveUpReason : failureText(code, errorBuffer);
        return result;
    }

    result.outcome = Outcome::Failed;
    const int lastCode = replyCode(c.last);
    if (lastCode >= 400 && lastCode < 600 && !c.awaitingReply) {
        result.text = QString::fromUtf8(c.last);
        result.temporary = lastCode < 500;
        classifyRefusal(&result, lastCode, c.last, c.phase);
    } else if (code == CURLE_USE_SSL_FAILED) {
        result.text = failureText(code, errorBuffer);
        // Without the offer, an account that may do without it withholds its password.
        result.failure = security == SmtpTransport::Security::StartTlsIfOffered
                                 ? Failure::NoStartTlsForLogin
                                 : Failure::NoStartTls;
        result.scope = Scope::Recipient;
    } else {
        result.text = c.gaveUp ? c.giveUpReason : failureText(code, errorBuffer);
        result.failure = failureOf(code);
        // The plain sentence names host and port; curl's own words suffice after it.
        if (result.failure == Failure::Refused || result.failure == Failure::HostNotFound)
            result.text = QString::fromUtf8(curl_easy_strerror(code));
        result.temporary = connectionTrouble(code);
        const bool noConnection = code == CURLE_COULDNT_CONNECT
                                  || code == CURLE_COULDNT_RESOLVE_HOST
                                  || code == CURLE_COULDNT_RESOLVE_PROXY
                                  || (newConnections == 0 && c.phase == Phase::Connect
                                      && code == CURLE_OPERATION_TIMEDOUT);
        if (noConnection) {
            result.phase = Phase::Connect;
            result.timedOut = false;
        }
        if (!result.temporary)
            result.scope = Scope::Recipient; // TLS and the like: said as curl says it
        else if (noConnection || c.phase <= Phase::Sender)
            result.scope = Scope::Unreachable;
        else
            result.scope = Scope::Connection;
        *silentOnReuse = newConnections == 0 && !c.sawReply && !c.messageSent
                         && (control == nullptr || !control->dataStarted);
    }
    return result;
}

} // namespace

SmtpTransport::Result SmtpTransport::attempt(const QString &from, const QString &to,
                                             const QByteArray &message, Control *control,
                                             bool *silentOnReuse, bool probeOnly)
{
    *silentOnReuse = false;
    ensureCurl();
    if (!m_curl) {
        m_curl = curl_easy_init();
        m_multi = curl_multi_init();
        m_socket = -1;
    } else {
        curl_easy_reset(m_curl); // options only; the open connection stays
    }
    CURL *curl = m_curl;
    if (!curl || !m_multi) {
        Result failed;
        failed.text = u"Could not start the SMTP client"_s;
        failed.temporary = true;
        return failed;
    }

    char errorBuffer[CURL_ERROR_SIZE] = {};
    const bool lastOnConnection = probeOnly || !m_settings.keepAlive
                                  || m_messagesOnConnection + 1 >= m_settings.messagesPerConnection;
    curl_slist *recipients = configure(curl, m_settings, from, to, probeOnly, lastOnConnection,
                                       &m_socket, errorBuffer);
    Conversation c;
    c.control = control;
    c.message = &message;
    c.idleMs = m_settings.idleTimeoutMs;
    c.logins = &m_logins;
    c.dropSocket = [this] { dropSocket(); };
    hookConversation(curl, &c, probeOnly);
    const CURLcode code = transfer(m_multi, curl, &c);
    curl_slist_free_all(recipients);

    long newConnections = 0;
    curl_easy_getinfo(curl, CURLINFO_NUM_CONNECTS, &newConnections);
    m_connections += static_cast<int>(newConnections);

    if (code == CURLE_OK) {
        Result result;
        result.phase = c.phase;
        result.sizeLimit = c.sizeLimit;
        result.accepted = true;
        result.outcome = Outcome::Sent;
        result.text = QString::fromUtf8(c.last);
        m_messagesOnConnection = lastOnConnection ? 0 : m_messagesOnConnection + 1;
        if (lastOnConnection && !probeOnly)
            closeConnection();
        return result;
    }
    // curl closes a connection after any failure; ours is shut at once.
    m_messagesOnConnection = 0;
    Result result = classifyFailure(code, c, errorBuffer, newConnections, m_settings.security,
                                    control, silentOnReuse);
    closeConnection(true);
    return result;
}
