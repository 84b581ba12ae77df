#include "mailbox/MailboxWatcher.h"

#include "files/PrivateFiles.h"
#include "mail/EmailAddress.h"
#include "run/DeliveryThread.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QString statePath(const QString &folder)
{
    return folder + u"/state.json"_s;
}
QString recordsPath(const QString &folder)
{
    return folder + u"/reports.jsonl"_s;
}
QString reportPath(const QString &folder, const QString &id)
{
    return folder + u"/reports/"_s + id + u".eml"_s;
}

// A record's name tells only which message of which mailbox it was: the same
// message read again (a check cut short, a renumbered folder) is known.
QString recordId(const QString &account, const MailboxReport::Report &report)
{
    const QByteArray where = (account + u'\n' + report.folder + u'\n'
                              + QString::number(report.uidValidity) + u'\n'
                              + QString::number(report.uid) + u'\n' + report.originalMessageId)
                                     .toUtf8();
    return QString::fromLatin1(
            QCryptographicHash::hash(where, QCryptographicHash::Sha256).toHex().left(32));
}

QJsonObject toJson(const MailboxWatcher::Record &record)
{
    return {{"id"_L1, record.id},           {"at"_L1, record.at},         {"run"_L1, record.runId},
            {"address"_L1, record.address}, {"reason"_L1, record.reason}, {"soft"_L1, record.soft},
            {"detail"_L1, record.detail}};
}

bool fromJson(const QJsonObject &object, MailboxWatcher::Record *record)
{
    record->id = object.value("id"_L1).toString();
    record->at = static_cast<qint64>(object.value("at"_L1).toDouble());
    record->runId = object.value("run"_L1).toString();
    record->address = object.value("address"_L1).toString();
    record->reason = object.value("reason"_L1).toString();
    record->soft = object.value("soft"_L1).toBool();
    record->detail = object.value("detail"_L1).toString();
    // A name that could reach outside the reports folder is no record of ours.
    static const QRegularExpression name(u"^[0-9a-f]{32}$"_s);
    return name.match(record->id).hasMatch() && !record->address.isEmpty();
}

QJsonObject positionsToJson(const MailboxWatcher::AccountPositions &positions)
{
    QJsonObject accounts;
    for (auto account = positions.cbegin(); account != positions.cend(); ++account) {
        QJsonObject folders;
        for (auto folder = account->cbegin(); folder != account->cend(); ++folder)
            folders.insert(folder.key(),
                           QJsonArray{double(folder->uidValidity), double(folder->lastUid)});
        accounts.insert(account.key(), folders);
    }
    return accounts;
}

MailboxWatcher::AccountPositions positionsFromJson(const QJsonObject &accounts)
{
    MailboxWatcher::AccountPositions positions;
    for (auto account = accounts.constBegin(); account != accounts.constEnd(); ++account) {
        const QJsonObject folders = account->toObject();
        for (auto folder = folders.constBegin(); folder != folders.constEnd(); ++folder) {
            const QJsonArray pair = folder->toArray();
            if (pair.size() == 2)
                positions[account.key()].insert(folder.key(),
                                                {static_cast<quint32>(pair.at(0).toDouble()),
                                                 static_cast<quint32>(pair.at(1).toDouble())});
        }
    }
    return positions;
}

bool writePrivate(const QString &path, const QByteArray &bytes, QIODevice::OpenMode mode)
{
    if (mode & QIODevice::Append) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Append) && PrivateFiles::restrict(file)
               && file.write(bytes) == bytes.size();
    }
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && PrivateFiles::restrict(file)
           && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

// What a check brings back to the watcher's thread.
struct MailboxWatcher::Outcome
{
    quint64 serial = 0;
    AccountPositions positions;
    QList<MailboxReport::Report> reports;
    QHash<QString, RunHistory::Sent> sent;
    QList<Record> records; // the reports about our messages not kept before
    QStringList errors;
    // Read from the folder at start.
    bool loading = false;
    MailboxVerdicts::SoftBounces soft;
    QList<Record> kept;
};

MailboxWatcher::MailboxWatcher(QObject *parent) : QObject(parent), m_folder(defaultFolder())
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &MailboxWatcher::checkWanted);
    connect(&m_login, &MailboxCheck::finished, this,
            [this] { emit loginTested(m_login.result().ok, m_login.result().error); });
    // Read once the properties are set: a folder set meanwhile is the one read.
    m_loadQueued = true;
    QMetaObject::invokeMethod(this, &MailboxWatcher::load, Qt::QueuedConnection);
}

MailboxWatcher::~MailboxWatcher()
{
    *m_cancelled = true; // a check under way gives up at its next exchange
}

QString MailboxWatcher::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/mailbox"_s;
}

void MailboxWatcher::setSuppression(SuppressionList *list)
{
    if (list == m_suppression)
        return;
    m_suppression = list;
    emit suppressionChanged();
}

void MailboxWatcher::setFolder(const QString &folder)
{
    if (folder == m_folder)
        return;
    m_folder = folder;
    m_loaded = false;
    emit folderChanged();
    if (!m_loadQueued)
        load();
}

void MailboxWatcher::setInterval(int ms)
{
    if (ms == m_timer.interval() && m_timer.isActive() == (ms > 0))
        return;
    m_timer.setInterval(std::max(0, ms));
    if (ms > 0)
        m_timer.start();
    else
        m_timer.stop();
    emit intervalChanged();
}

void MailboxWatcher::load()
{
    m_loadQueued = false;
    const quint64 serial = ++m_serial;
    runOnThread([serial, folder = m_folder, limit = m_maxReports] {
        Outcome outcome;
        outcome.serial = serial;
        outcome.loading = true;
        QFile state(statePath(folder));
        if (state.open(QIODevice::ReadOnly)) {
            const QJsonObject object = QJsonDocument::fromJson(state.readAll()).object();
            outcome.positions = positionsFromJson(object.value("positions"_L1).toObject());
            outcome.soft = MailboxVerdicts::fromJson(
                    QJsonDocument(object.value("soft"_L1).toObject()).toJson());
        }
        QFile records(recordsPath(folder));
        if (records.open(QIODevice::ReadOnly)) {
            while (!records.atEnd()) {
                Record record;
                if (fromJson(QJsonDocument::fromJson(records.readLine()).object(), &record))
                    outcome.kept.append(record);
            }
            records.close();
        }
        // Beyond the limit the oldest reports go, from the file and the folder.
        if (outcome.kept.size() > limit) {
            const qsizetype dropped = outcome.kept.size() - limit;
            QByteArray lines;
            for (qsizetype i = dropped; i < outcome.kept.size(); ++i)
                lines += QJsonDocument(toJson(outcome.kept.at(i))).toJson(QJsonDocument::Compact)
                         + '\n';
            if (writePrivate(recordsPath(folder), lines, QIODevice::WriteOnly)) {
                for (qsizetype i = 0; i < dropped; ++i)
                    QFile::remove(reportPath(folder, outcome.kept.at(i).id));
            }
            outcome.kept.remove(0, dropped);
        }
        return outcome;
    });
}

void MailboxWatcher::runOnThread(std::function<Outcome()> work)
{
    QPointer<MailboxWatcher> self(this);
    oneOffThread([self, work = std::move(work)] {
        const Outcome outcome = work();
        QMetaObject::invokeMethod(
                self.get(),
                [self, outcome] {
                    if (self)
                        self->finish(outcome);
                },
                Qt::QueuedConnection);
    })->start();
}

MailboxCheck::Settings MailboxWatcher::settingsOf(const QVariantMap &account) const
{
    MailboxCheck::Settings settings;
    settings.host = account.value(u"imapHost"_s).toString().trimmed();
    settings.port = static_cast<quint16>(account.value(u"imapPort"_s).toUInt());
    settings.security = account.value(u"imapConnection"_s).toString();
    if (settings.security != "TLS"_L1 && settings.security != "None"_L1)
        settings.security = u"SSL"_s;
    if (settings.port == 0)
        settings.port = settings.security == "SSL"_L1 ? 993 : 143;
    settings.username = account.value(u"imapUsername"_s).toString();
    if (settings.username.isEmpty())
        settings.username = account.value(u"address"_s).toString();
    settings.password = account.value(u"password"_s).toString();
    const QString folder = account.value(u"imapFolder"_s).toString().trimmed();
    if (!folder.isEmpty() && folder.compare("INBOX"_L1, Qt::CaseInsensitive) != 0)
        settings.folders.append(folder);
    settings.extraCaFile = m_extraCaFile;
    return settings;
}

QString MailboxWatcher::accountKey(const MailboxCheck::Settings &settings, const QString &address)
{
    return EmailAddress::key(address) + u'|' + settings.host.toLower() + u'|' + settings.username;
}

bool MailboxWatcher::check(const QVariantList &accounts)
{
    if (m_busy || m_checkQueued || !m_suppression)
        return false;
    if (!m_loaded) {
        m_queued = accounts;
        m_checkQueued = true;
        return true;
    }
    struct Job
    {
        QString key;
        QString address;
        MailboxCheck::Settings settings;
        MailboxCheck::Positions since;
    };
    QList<Job> jobs;
    for (const QVariant &value : accounts) {
        const QVariantMap account = value.toMap();
        const MailboxCheck::Settings settings = settingsOf(account);
        if (settings.host.isEmpty())
            continue;
        const QString address = account.value(u"address"_s).toString();
        const QString key = accountKey(settings, address);
        jobs.append({key, address, settings, m_positions.value(key)});
    }
    m_busy = true;
    emit busyChanged();
    const quint64 serial = ++m_serial;
    runOnThread([serial, jobs, known = m_recordIds, folder = m_folder, history = m_historyPath,
                 cancelled = m_cancelled] {
        Outcome outcome;
        outcome.serial = serial;
        QStringList owners; // the account key of each report
        for (const Job &job : jobs) {
            if (*cancelled)
                return outcome;
            const MailboxCheck::Result result = MailboxCheck::run(job.settings, job.since,
                                                                  u"unsubscribe"_s, *cancelled);
            // The folders read before a failure keep their new positions.
            outcome.positions.insert(job.key, result.positions);
            if (!result.ok)
                outcome.errors.append(job.address + u": "_s + result.error);
            for (const MailboxReport::Report &report : result.reports) {
                outcome.reports.append(report);
                owners.append(job.key);
            }
        }
        outcome.sent = RunHistory::findMessages(history,
                                                MailboxVerdicts::messageIds(outcome.reports));
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        QByteArray lines;
        PrivateFiles::makeFolder(folder + u"/reports"_s);
        for (const MailboxVerdicts::Matched &found :
             MailboxVerdicts::match(outcome.reports, outcome.sent)) {
            const MailboxReport::Report &report = outcome.reports.at(found.report);
            const Record record{recordId(owners.at(found.report), report),
                                now,
                                found.runId,
                                found.address,
                                found.reason,
                                found.soft,
                                found.detail};
            if (known.contains(record.id))
                continue;
            // The report itself first, so a record never names a missing one.
            writePrivate(reportPath(folder, record.id), report.message, QIODevice::WriteOnly);
            lines += QJsonDocument(toJson(record)).toJson(QJsonDocument::Compact) + '\n';
            outcome.records.append(record);
        }
        if (!lines.isEmpty() && !writePrivate(recordsPath(folder), lines, QIODevice::Append))
            outcome.errors.append(u"The reports could not be kept in "_s + folder);
        return outcome;
    });
    return true;
}

void MailboxWatcher::finish(const Outcome &outcome)
{
    if (outcome.serial != m_serial) {
        // A check of the folder before the last change: its positions belong
        // there, so nothing of it is kept, but it is over.
        if (!outcome.loading && m_busy) {
            m_busy = false;
            emit busyChanged();
            emit checked(0, 0, u"The check was given up: the program's folder changed."_s);
        }
        return;
    }
    if (outcome.loading) {
        m_positions = outcome.positions;
        m_soft = outcome.soft;
        m_records.clear();
        m_recordIds.clear();
        m_counts.clear();
        for (const Record &record : outcome.kept)
            addRecord(record);
        m_loaded = true;
        ++m_revision;
        emit reportsChanged();
        if (m_checkQueued) {
            m_checkQueued = false;
            check(std::exchange(m_queued, {}));
        }
        return;
    }
    // The list first, the positions after: a check cut short between them
    // reads the same reports again rather than losing them.
    int suppressed = 0;
    if (m_suppression) {
        for (const MailboxVerdicts::Suppress &verdict :
             MailboxVerdicts::judge(outcome.reports, outcome.sent, &m_soft)) {
            if (m_suppression->add(verdict.address, verdict.reason, verdict.detail))
                ++suppressed;
        }
    }
    for (auto it = outcome.positions.cbegin(); it != outcome.positions.cend(); ++it)
        m_positions.insert(it.key(), it.value());
    for (const Record &record : outcome.records)
        addRecord(record);
    saveState();
    m_error = outcome.errors.join(u'\n');
    m_busy = false;
    emit busyChanged();
    if (!outcome.records.isEmpty()) {
        ++m_revision;
        emit reportsChanged();
    }
    emit checked(suppressed, static_cast<int>(outcome.records.size()), m_error);
}

void MailboxWatcher::addRecord(const Record &record)
{
    if (m_recordIds.contains(record.id))
        return;
    m_recordIds.insert(record.id);
    m_records.append(record);
    count(record, 1);
    if (m_records.size() > m_maxReports) {
        const Record oldest = m_records.takeFirst();
        m_recordIds.remove(oldest.id);
        count(oldest, -1);
    }
}

void MailboxWatcher::saveState() const
{
    PrivateFiles::makeFolder(m_folder);
    const QJsonObject state{{"positions"_L1, positionsToJson(m_positions)},
                            {"soft"_L1,
                             QJsonDocument::fromJson(MailboxVerdicts::toJson(m_soft)).object()}};
    writePrivate(statePath(m_folder), QJsonDocument(state).toJson(QJsonDocument::Compact),
                 QIODevice::WriteOnly);
}

bool MailboxWatcher::testLogin(const QVariantMap &account)
{
    MailboxCheck::Settings settings = settingsOf(account);
    if (settings.host.isEmpty() || m_login.isRunning())
        return false;
    settings.folders.clear(); // the login alone
    return m_login.start(settings, {});
}

QVariant MailboxWatcher::counts(const QString &runId) const
{
    const RunCounts counts = m_counts.value(runId);
    return QVariantMap{{u"bounced"_s, counts[0]},
                       {u"softBounced"_s, counts[1]},
                       {u"complained"_s, counts[2]},
                       {u"unsubscribed"_s, counts[3]}};
}

void MailboxWatcher::count(const Record &record, int change)
{
    const int slot = record.reason == "bounced"_L1        ? (record.soft ? 1 : 0)
                     : record.reason == "complained"_L1   ? 2
                     : record.reason == "unsubscribed"_L1 ? 3
                                                          : -1;
    if (slot >= 0)
        m_counts[record.runId][slot] += change;
}

QVariantList MailboxWatcher::reports(const QString &runId) const
{
    QVariantList found;
    for (auto it = m_records.crbegin(); it != m_records.crend() && found.size() < 1000; ++it) {
        if (it->runId != runId)
            continue;
        found.append(QVariantMap{{u"id"_s, it->id},
                                 {u"at"_s, it->at},
                                 {u"address"_s, it->address},
                                 {u"reason"_s, it->reason},
                                 {u"soft"_s, it->soft},
                                 {u"detail"_s, it->detail}});
    }
    return found;
}

QString MailboxWatcher::reportText(const QString &id) const
{
    if (!m_recordIds.contains(id))
        return {};
    QFile file(reportPath(m_folder, id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}
