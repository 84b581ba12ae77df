#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One file of the message: an inline resource (with a content id) or an
// attachment (without). Recipients only ever see the file's base name.
struct MimeFilePart
{
    QString path;
    QString contentType; // "type/subtype"
    QString contentId;   // empty for an attachment
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
    QList<MimeFilePart> inlineParts; // in the order they are to appear
    QList<MimeFilePart> attachments;
};

// Writes a MIME message with GMime: multipart/mixed holding the body part,
// then the inline parts, then the attachments. Headers are RFC 2047 encoded,
// file names RFC 2231, text parts UTF-8 quoted-printable, files base64, every
// line ends with CR LF and none exceeds 998 octets. Safe to call from any
// thread.
class MimeMessageBuilder
{
public:
    static QByteArray build(const MimeContent &content);

    // Collapses CR and LF runs to one space, so a name or subject cannot add
    // a header line.
    static QString foldLineBreaks(const QString &text);
};
