#pragma once

#include "mail/MimeMessage.h"

#include <QJsonObject>
#include <QMap>
#include <QString>

struct OutgoingMail;
struct MailLimits;

// Turns a job into message content on the calling thread: picks the body,
// fills in the recipient's placeholders and, for an HTML body, folds style
// sheets in, turns the local, embedded and web images it refers to into
// inline parts addressed by content id, and makes the text version. Only
// images and style sheets inside the HTML file's folder tree are ever taken
// from the disk (HtmlEmbedding), and nothing is written to it.
namespace MailComposer {
MimeContent compose(const OutgoingMail &job, const MailLimits &limits);

// "{{key}}" replaced by the key's value when it is a non-empty string, and
// "{{key|fallback}}" by the value, or the fallback when the value is blank
// or missing; in one pass, so that no inserted text is read as a
// placeholder. For an HTML body what goes in is escaped, so that it stays
// text even inside an attribute.
QString substitutePlaceholders(const QString &body, const QJsonObject &fields, bool html = false);
// The style block placed before "</head>", after "<body>", before
// "</html>" or at the start, whichever is found first.
QString insertStyleBlock(const QString &body, const QString &css);
// A content id unique within the message and valid as a message id,
// telling nothing of the file it stands for: "part<n>.<token>@<domain>".
QString contentIdFor(int index, const QString &token, const QString &domain);
// The address a recipient declines further messages at: a reply to the
// sending account with "unsubscribe" and the message's Message-ID as its
// subject, which tells the mailbox check whose reply it is; "" when the
// account's address cannot be one.
QString unsubscribeMailto(const QString &accountAddress, const QString &messageId = QString());
// The body with the unsubscribe line at its end (before "</body>" in HTML),
// in French for "fr" and in English otherwise.
QString withUnsubscribeFooter(const QString &body, const QString &link, const QString &language,
                              bool html);
} // namespace MailComposer
