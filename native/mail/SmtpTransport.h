#pragma once

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <atomic>
#include <functional>

typedef void CURL;
typedef void CURLM;

// SMTP conversations over libcurl: connect, secure, log in, hand over one
// message for one recipient. A transport made with keepAlive keeps its
// connection and login for the next message (a sending run); otherwise every
// message has a connection of its own. deliver() blocks; it touches no Qt
// object, so it may run on any thread, but on one thread at a time.
class SmtpTransport
{
public:
    enum class Security {
        Plain,             // never STARTTLS
        StartTlsIfOffered, // upgrade when offered; without the offer, no login
        StartTlsRequired,  // refuse to go on without STARTTLS
        ImplicitTls,       // TLS from the first byte (smtps)
    };

    struct Settings
    {
        QString host;
        quint16 port = 0;
        Security security = Security::Plain;
        bool authenticate = false; // AUTH LOGIN with username and password
        QString username;
        QString password;
        // An OAuth 2.0 access token: the login is XOAUTH2 (OAUTHBEARER where
        // offered) with it instead of the password.
        QString bearer;
        int connectTimeoutMs = 30 * 1000;
        int idleTimeoutMs = 60 * 1000;
        int totalTimeoutMs = 5 * 60 * 1000;
        // Certificate authorities trusted besides the system's, as PEM.
        QString extraCaFile;
        // Reuse the connection for the next message, up to this many messages.
        bool keepAlive = false;
        int messagesPerConnection = 100;
        // A kept connection idle for longer is not trusted to be still open.
        int reuseIdleMs = 30 * 1000;
    };

    enum class Outcome {
        Sent,    // the server accepted the message
        Failed,  // refused, or the message was not sent in full
        Unknown, // the whole message went out but no reply came
    };

    // What a failure is about, which decides whether the next recipient
    // would meet it too.
    enum class Scope {
        None,        // accepted, or given up by the caller
        Recipient,   // this recipient only (RCPT refused, or refused at the end of DATA)
        Message,     // the message itself (its size or content): every recipient alike
        Login,       // the account's user name or password
        ServerBusy,  // 421: the server asks to wait
        Unreachable, // no connection to be had, or a server that says nothing before MAIL
        Connection,  // the connection dropped or went silent during this recipient's turn
    };

    // How far the conversation had come when it ended.
    enum class Phase {
        Connect,
        Greeting,
        Hello,
        Security,
        Login,
        Sender,
        Recipient,
        Data,
        Body,
        Reply
    };

    // What failed below SMTP, when no server reply explains it; picks the
    // sentence the user reads before the library's own text.
    enum class Failure {
        None,
        Refused,            // nobody listens on that port, or a firewall said no
        HostNotFound,       // the server's name does not resolve
        Tls,                // the secure handshake failed (often the wrong connection type)
        Certificate,        // the server's certificate is not trusted
        NoStartTls,         // encryption required, and the server offers no STARTTLS
        NoStartTlsForLogin, // no STARTTLS offered, so the password was kept back
        Unreadable,         // the server's replies are not SMTP
    };

    struct Result
    {
        bool accepted = false;
        // The server's last reply line, or the transport's own error when no
        // server reply explains the failure.
        QString text;
        Outcome outcome = Outcome::Failed;
        // Worth trying again later: a 4xx reply, or a connection that failed
        // before the message was sent.
        bool temporary = false;
        // The server closed on us with 421: more messages now would only
        // fail the same way.
        bool serverClosed = false;
        // Given up because the caller asked to, before the message was sent.
        bool abandoned = false;
        Scope scope = Scope::None;
        Phase phase = Phase::Connect;
        Failure failure = Failure::None;
        // A permanent refusal of the address (5.1.x to RCPT): it does not exist.
        bool addressUnknown = false;
        // The server stayed silent for longer than the limit.
        bool timedOut = false;
        // The SIZE the server announced in its EHLO reply; -1 when none.
        qint64 sizeLimit = -1;
    };

    // Shared with the thread that may ask the delivery to give up.
    struct Control
    {
        std::atomic<bool> abort{false};           // give up at once
        std::atomic<bool> abortUnlessSent{false}; // give up unless the whole message went out
        std::atomic<bool> dataStarted{false};     // message bytes have been written
        std::atomic<bool> messageSent{false};     // the whole message has been handed over
        // Called on the delivering thread when the first message bytes go out.
        std::function<void()> onDataStarted;
    };

    // The account's connection choice and port, as the account form means them.
    static Security securityFor(const QString &connection, quint16 port);
    static bool authenticates(const QString &connection, const QString &password);
    // A permanent refusal saying the address does not exist (5xx 5.1.x).
    static bool refusesAddress(const QString &reply);
    // A permanent refusal that says the address will never take mail: it
    // does not exist (5.1.x, but not 5.1.7 or 5.1.8, which are about the
    // sender) or its mailbox is disabled (5.2.1). Policy refusals (5.7.x)
    // are about the sender and are not.
    static bool bouncesForGood(const QString &reply);
    // The failure said plainly, the server's or the library's text in
    // parentheses after it. This is the one table from failures and refusals
    // to sentences: `texts` holds the interface's translations by key (see
    // the table), with %1 the host and %2 the port (%3 the seconds of
    // "silent"); English when missing.
    static QString describe(const Result &result, const QString &host, quint16 port,
                            int idleTimeoutMs, const QVariantMap &texts = {});

    explicit SmtpTransport(Settings settings);
    ~SmtpTransport();
    SmtpTransport(const SmtpTransport &) = delete;
    SmtpTransport &operator=(const SmtpTransport &) = delete;

    Result deliver(const QString &from, const QString &to, const QByteArray &message,
                   Control *control = nullptr);
    // Greets the server without logging in or sending anything, to learn
    // what it announces (its SIZE); blocks like deliver().
    Result probe(Control *control = nullptr);

    // New connections opened and logins made so far.
    int connections() const { return m_connections; }
    int logins() const { return m_logins; }

private:
    Result attempt(const QString &from, const QString &to, const QByteArray &message,
                   Control *control, bool *silentOnReuse, bool probeOnly = false);
    // At once: the socket is shut first, so no QUIT waits on a server that
    // already failed us; otherwise the server gets its QUIT.
    void closeConnection(bool atOnce = false);
    void dropSocket();

    Settings m_settings;
    CURL *m_curl = nullptr;
    // Drives the transfers, so that our limits are checked ten times a
    // second rather than curl's once; it also keeps the open connection.
    CURLM *m_multi = nullptr;
    // The connection's socket, known from its creation until curl closes it.
    qintptr m_socket = -1;
    int m_messagesOnConnection = 0;
    qint64 m_lastUseMs = 0;
    std::atomic<int> m_connections{0};
    std::atomic<int> m_logins{0};
};
