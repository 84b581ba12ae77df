#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What a message found in the sender's mailbox says about earlier mail, read
// by the standards: a delivery status notification (RFC 3464), a feedback
// report (RFC 5965), a reply to the unsubscribe address, or an automatic
// reply (RFC 3834), which says nothing. Anything else is ordinary mail and is
// left alone.
namespace MailboxReport {

enum class Kind { Ordinary, HardBounce, SoftBounce, Complaint, Unsubscribe, AutoReply };

struct Finding
{
    Kind kind = Kind::Ordinary;
    QString recipient; // the address the report is about
    QString status;    // "5.1.1" for a bounce
    QString text;      // the server's diagnostic, or the report's own words
};

struct Report
{
    Kind kind = Kind::Ordinary; // the report as a whole
    // The Message-ID of the message the report is about, as it carries it;
    // what matches it to a run and a recipient, never addresses in the text.
    QString originalMessageId;
    QList<Finding> findings; // one a recipient for a notification
    // Where the check found it and the message as read (within a bound),
    // for the user to read the report again.
    QString folder;
    quint32 uidValidity = 0;
    quint32 uid = 0;
    QByteArray message;
};

// Reads one message as it came from the mailbox. `unsubscribeSubject` is the
// subject the program's mailto: address asks for ("unsubscribe").
Report classify(const QByteArray &message, const QString &unsubscribeSubject);

// Whether a message whose headers are these may be a report that only its
// body tells (a delivery status notification or a feedback report): read
// whole then. Any other message is classified by its headers alone.
bool needsBody(const QByteArray &headers);

// The fields of a delivery-status body: its blocks (the message's, then one
// a recipient), each as lower-case names and their values, folded lines joined.
QList<QList<std::pair<QString, QString>>> statusBlocks(const QByteArray &body);

} // namespace MailboxReport
