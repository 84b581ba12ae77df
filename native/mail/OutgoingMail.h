#pragma once

#include "mail/SmtpTransport.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// Everything one delivery needs: the account, the recipient's contact record
// and the composed content.
struct OutgoingMail
{
    QString host;
    quint16 port = 0;   // 0: not a port (a number outside 1 to 65535 was given)
    QString connection; // "Auto", "SSL", "TLS" or "None"
    QString username;   // login and sender address
    QString password;
    // An OAuth 2.0 access token, used instead of the password when set.
    QString accessToken;
    QString senderName;
    QJsonObject to; // the recipient's contact record
    QString subject;
    QString content;              // plain text, used when there is no HTML file
    QString html;                 // local path of an HTML file, or ""
    QStringList contentLocalUrls; // references found in the HTML file, as written
    QStringList attachments;      // local paths
    // A way to decline further messages: the List-Unsubscribe header, the
    // {{unsubscribe_url}} placeholder and, unless the body places that
    // itself, a footer line in `unsubscribeLanguage` ("fr", else English).
    // Off for the account's test message and for messages that are not
    // marketing, as the user chooses.
    bool unsubscribe = false;
    QString unsubscribeLanguage;
    // The recipient's one-click address on our web service, first in the
    // header and the one the body shows; "" offers the mailto: reply alone.
    QString unsubscribeUrl;
    // The Message-ID, without its angle brackets: made by the run and kept,
    // so that a report coming back about the message names its recipient.
    // "" makes a new one.
    QString messageId;
};

// Bounds on the waits of one delivery, so that a server that never answers
// cannot hold a sending run for ever. Times in milliseconds.
struct MailLimits
{
    int connectTimeoutMs = 30 * 1000;           // TCP and TLS set-up with the SMTP server
    int idleTimeoutMs = 60 * 1000;              // longest silence of the SMTP server
    int totalTimeoutMs = 5 * 60 * 1000;         // whole SMTP conversation
    int downloadTimeoutMs = 30 * 1000;          // each web image of an HTML message
    qint64 downloadMaxBytes = 20 * 1024 * 1024; // each web image of an HTML message
};

// An outgoing message prepared (composed and encoded) and delivered over SMTP.
namespace Outgoing {
// The port as a job holds it: 0 for anything outside 1 to 65535, which
// would otherwise wrap round to another port (70000 to 4464).
quint16 portFrom(qint64 port);

// The run's message as the interface describes it (host, port,
// connection, address, password, senderName, subject, content, html,
// localUrls, attachments, unsubscribe, unsubscribeLanguage); no recipient yet.
OutgoingMail fromParams(const QVariantMap &params);

// Prepares one message and delivers it; returns {"error": bool, "text": the
// server's last reply, or the failure said plainly with the technical text
// after it}. `texts`: the interface's translations of the plain failure texts
// (SmtpTransport::describe). The SMTP conversation runs on a worker thread
// while the calling thread waits in a local event loop.
QJsonObject send(const OutgoingMail &job, const MailLimits &limits = MailLimits(),
                 const QVariantMap &texts = {});

// The transport settings for the job's account.
SmtpTransport::Settings settingsFor(const OutgoingMail &job, const MailLimits &limits);
// A message ready to go: the envelope and its bytes, or why nothing can
// be sent (a refused port or address).
struct Prepared
{
    QString from;
    QString to;
    QByteArray message;
    QString refusal; // "" when the message can go
};
// Composes and encodes the job's message; safe on any thread.
Prepared prepare(const OutgoingMail &job, const MailLimits &limits);
// Delivers a prepared message over the given transport, blocking the
// calling thread; no Qt object of another thread is touched.
SmtpTransport::Result deliver(const Prepared &prepared, SmtpTransport &transport,
                              SmtpTransport::Control *control = nullptr);
} // namespace Outgoing
