#pragma once

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

typedef void CURL;

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
        // The server closed on us (421, or a dropped connection): more
        // messages now would only fail the same way.
        bool serverClosed = false;
        // Given up because the caller asked to, before the message was sent.
        bool abandoned = false;
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

    explicit SmtpTransport(Settings settings);
    ~SmtpTransport();
    SmtpTransport(const SmtpTransport &) = delete;
    SmtpTransport &operator=(const SmtpTransport &) = delete;

    Result deliver(const QString &from, const QString &to, const QByteArray &message,
                   Control *control = nullptr);

    // New connections opened and logins made so far.
    int connections() const { return m_connections; }
    int logins() const { return m_logins; }

private:
    Result attempt(const QString &from, const QString &to, const QByteArray &message,
                   Control *control, bool *silentOnReuse);
    void closeConnection();

    Settings m_settings;
    CURL *m_curl = nullptr;
    int m_messagesOnConnection = 0;
    qint64 m_lastUseMs = 0;
    std::atomic<int> m_connections{0};
    std::atomic<int> m_logins{0};
};
