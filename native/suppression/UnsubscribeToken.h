#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one-click unsubscribe address of one message, shared by the program,
// which makes it, and the web service, which opens it. A token is the
// sender's mailbox on the service and, sealed with that mailbox's key
// (AES-256-GCM), the recipient's address, the run and the language of the
// page: whoever holds a token can neither read the address nor make a token
// for another address or mailbox.
namespace UnsubscribeToken {

// The mailbox's keys, derived from the secret the service handed out when
// the mailbox was registered: one seals tokens, the other proves the right
// to read the mailbox's events (the service keeps only its hash).
struct Keys
{
    QByteArray seal;  // 32 bytes
    QByteArray proof; // 32 bytes
};
Keys keysFrom(const QByteArray &secret);
// What the service stores to check a proof.
QByteArray proofHash(const QByteArray &proof);

// Random bytes from the system's generator, for identifiers and secrets.
QByteArray randomBytes(int count);

struct Content
{
    QByteArray mailbox; // 16 bytes
    QString address;
    QString run;
    QString language; // "en" or "fr"
};

// The token, in URL-safe base64; "" when a field is out of bounds.
QString make(const Content &content, const QByteArray &sealKey);
// The mailbox a token names, before its key is looked up; empty when the
// token cannot be one.
QByteArray mailboxOf(const QString &token);
// The token's content, or nothing when it was not sealed with this key
// (changed, cut short, or made for another mailbox).
std::optional<Content> open(const QString &token, const QByteArray &sealKey);

} // namespace UnsubscribeToken
