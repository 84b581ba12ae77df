#include "mailbox/MailboxVerdicts.h"

#include "mail/EmailAddress.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::Literals::StringLiterals;
using MailboxReport::Kind;

namespace MailboxVerdicts {

namespace {

// A report's own words are kept with the address, within reason.
constexpr qsizetype maxDetail = 1000;

QString reasonOf(Kind kind)
{
    switch (kind) {
    case Kind::HardBounce:
    case Kind::SoftBounce:
        return u"bounced"_s;
    case Kind::Complaint:
        return u"complained"_s;
    case Kind::Unsubscribe:
        return u"unsubscribed"_s;
    default:
        return {};
    }
}

// What the report says of its message, as the list shows it: the status and
// the server's words of the finding of the report's own kind.
QString detailOf(const MailboxReport::Report &report)
{
    for (const MailboxReport::Finding &finding : report.findings) {
        if (finding.kind != report.kind)
            continue;
        QString text = finding.text.simplified();
        if (!finding.status.isEmpty() && !text.contains(finding.status))
            text = QString(finding.status + u' ' + text).trimmed();
        return text.left(maxDetail);
    }
    return {};
}

} // namespace

QSet<QString> messageIds(const QList<MailboxReport::Report> &reports)
{
    QSet<QString> ids;
    for (const MailboxReport::Report &report : reports) {
        if (!reasonOf(report.kind).isEmpty() && !report.originalMessageId.isEmpty())
            ids.insert(report.originalMessageId);
    }
    return ids;
}

QList<Matched> match(const QList<MailboxReport::Report> &reports,
                     const QHash<QString, RunHistory::Sent> &sent)
{
    QList<Matched> matched;
    for (qsizetype i = 0; i < reports.size(); ++i) {
        const MailboxReport::Report &report = reports.at(i);
        const QString reason = reasonOf(report.kind);
        const auto message = sent.constFind(report.originalMessageId);
        if (reason.isEmpty() || report.originalMessageId.isEmpty() || message == sent.cend())
            continue; // not about a message of ours
        matched.append({i, message->address, message->runId, reason,
                        report.kind == Kind::SoftBounce, detailOf(report)});
    }
    return matched;
}

QList<Suppress> judge(const QList<MailboxReport::Report> &reports,
                      const QHash<QString, RunHistory::Sent> &sent, SoftBounces *soft)
{
    QList<Suppress> verdicts;
    QSet<QString> suppressed;
    for (const Matched &found : match(reports, sent)) {
        const QString key = EmailAddress::key(found.address);
        if (suppressed.contains(key))
            continue;
        if (found.soft) {
            QSet<QString> &runs = (*soft)[key];
            runs.insert(found.runId);
            if (runs.size() < softBouncesToSuppress)
                continue;
        }
        suppressed.insert(key);
        soft->remove(key);
        verdicts.append({found.address, found.reason, found.detail, found.runId});
    }
    return verdicts;
}

QByteArray toJson(const SoftBounces &soft)
{
    QJsonObject object;
    for (auto it = soft.cbegin(); it != soft.cend(); ++it)
        object.insert(it.key(), QJsonArray::fromStringList(QStringList(it->cbegin(), it->cend())));
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

SoftBounces fromJson(const QByteArray &json)
{
    SoftBounces soft;
    const QJsonObject object = QJsonDocument::fromJson(json).object();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        QSet<QString> runs;
        for (const QJsonValue &run : it->toArray()) {
            if (run.isString())
                runs.insert(run.toString());
        }
        if (!runs.isEmpty())
            soft.insert(it.key(), runs);
    }
    return soft;
}

} // namespace MailboxVerdicts
