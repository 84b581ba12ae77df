#pragma once

#include "mailbox/MailboxReport.h"
#include "run/RunHistory.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// What the reports read from the sender's mailbox mean for the suppression
// list. A report counts only when the Message-ID it carries is one of ours, a
// message of a run in the history: its recipient is the one that run mailed,
// never an address found in the report's text. Hard bounces, complaints and
// unsubscribes suppress at once; temporary failures are counted per address
// and suppress at the third, in as many different runs.
namespace MailboxVerdicts {

inline constexpr int softBouncesToSuppress = 3;

// An address for the suppression list, with its reason ("bounced",
// "complained" or "unsubscribed") and what the report said.
struct Suppress
{
    QString address;
    QString reason;
    QString detail;
    QString runId; // the run whose message the report is about
};

// A report about a message of ours: the recipient the run mailed, and what
// the report says of it. `reason` as for Suppress, `soft` for a temporary failure.
struct Matched
{
    qsizetype report = -1; // its index among the reports
    QString address;
    QString runId;
    QString reason;
    bool soft = false;
    QString detail;
};

// The runs in which each address (its key, letter case aside) met a
// temporary failure that did not yet suppress it.
using SoftBounces = QHash<QString, QSet<QString>>;

// The Message-IDs the reports are about, to look up in the history.
QSet<QString> messageIds(const QList<MailboxReport::Report> &reports);

// The reports that are about messages of ours, in their order.
QList<Matched> match(const QList<MailboxReport::Report> &reports,
                     const QHash<QString, RunHistory::Sent> &sent);

// The addresses to suppress, in the order of the reports; `soft` gains the
// temporary failures and forgets the addresses that they now suppress.
QList<Suppress> judge(const QList<MailboxReport::Report> &reports,
                      const QHash<QString, RunHistory::Sent> &sent, SoftBounces *soft);

// The counts as kept on disk between checks, and read back (nothing from
// anything unreadable).
QByteArray toJson(const SoftBounces &soft);
SoftBounces fromJson(const QByteArray &json);

} // namespace MailboxVerdicts
