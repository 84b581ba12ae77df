#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One file of the message: an inline resource (with a content id) or an
// attachment (without). Recipients only ever see the file's base name.
struct MimeFilePart
{
    QString path;        // read when the message is written, unless data is set
    QString contentType; // "type/subtype"
    QString contentId;   // empty for an attachment
    QByteArray data;     // the content, for parts made in memory
    QString fileName;    // the name recipients see; the path's base name when empty
};

// What the message is made of, once personalised and resolved.
struct MimeContent
{
    QString senderName;
    QString senderAddress;
    QString recipientName;
    QString recipientAddress;
    QString subject;
    bool html = false;
    QString body;
    QString textVersion;             // of an HTML body: the text/plain alternative
    QList<MimeFilePart> inlineParts; // in the order they are to appear
    QList<MimeFilePart> attachments;
    // The List-Unsubscribe addresses, each written <address>; none: no header.
    QStringList unsubscribeAddresses;
    bool oneClickUnsubscribe = false; // the first of them takes a POST
    QString messageId; // without angle brackets; "" (or one unsafe in a header) makes a new one
};

// Writes a MIME message with GMime, in the shape mail clients expect:
// multipart/mixed { multipart/alternative { text/plain, multipart/related {
// text/html, inline parts } }, attachments }, each level left out when it
// would hold one part only (a plain-text message without attachments is a
// single text part). Headers are RFC 2047 encoded, file names RFC 2231, text
// parts UTF-8 quoted-printable, files base64, every line ends with CR LF and
// none exceeds 998 octets. Safe to call from any thread.
namespace MimeMessage {
QByteArray build(const MimeContent &content);
// GMime set up once for the process, before any use of it.
void initGMime();

// Every run of control characters (line breaks, NUL, tabs, Unicode line
// separators) as one space, so that a name, subject or file name cannot
// add or break a header line.
QString headerSafe(const QString &text);
// A subject or display name as handed to GMime: header-safe, and written
// as RFC 2047 encoded words when it holds text a reader would decode
// ("=?...?="), so that it arrives exactly as typed.
QByteArray headerText(const QString &text);
// The text as UTF-8 quoted-printable encoded words, each within 75
// characters.
QByteArray encodedWords(const QString &text);
// The charset a text attachment is written in: from its byte-order mark,
// "utf-8" when it reads as UTF-8, else "iso-8859-1" (every byte is a
// character there).
QByteArray charsetOf(const QByteArray &text);
} // namespace MimeMessage
