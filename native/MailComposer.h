#pragma once

#include "MimeMessageBuilder.h"

#include <QJsonObject>
#include <QMap>
#include <QString>

struct MailJob;
struct MailLimits;

// Turns a job into message content on the calling thread: picks the body,
// fills in the recipient's placeholders and, for an HTML body, folds style
// sheets in and turns the local, embedded and web images it refers to into
// inline parts addressed by content id. Only images and style sheets are ever
// taken from the disk, so a template cannot mail out other files.
class MailComposer
{
public:
    static MimeContent compose(const MailJob &job, const MailLimits &limits);

    // "{{key}}" replaced by the key's value, for every non-empty string value.
    static QString substitutePlaceholders(QString body, const QJsonObject &fields);
    // The style block placed before "</head>", after "<body>", before
    // "</html>" or at the start, whichever is found first.
    static QString insertStyleBlock(const QString &body, const QString &css);
    // The path with every character other than ASCII letters, digits and
    // white space replaced by "_".
    static QString contentIdFor(const QString &path);
};
