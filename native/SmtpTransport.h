#pragma once

#include <QByteArray>
#include <QString>

// One SMTP conversation over libcurl: connect, secure, log in, hand over one
// message for one recipient, quit. A new connection for every call.
// deliver() blocks; it touches no Qt object, so it may run on any thread.
class SmtpTransport
{
public:
    enum class Security {
        Plain,             // never STARTTLS
        StartTlsIfOffered, // upgrade when the server offers STARTTLS
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
    };

    struct Result
    {
        bool accepted = false;
        // The server's last reply line, or the transport's own error when no
        // server reply explains the failure.
        QString text;
    };

    // The account's connection choice and port, as the account form means them.
    static Security securityFor(const QString &connection, quint16 port);
    static bool authenticates(const QString &connection, const QString &password);

    explicit SmtpTransport(Settings settings);
    Result deliver(const QString &from, const QString &to, const QByteArray &message) const;

private:
    Settings m_settings;
};
