#include "run/RunHistory.h"

#include "contacts/CsvWriter.h"
#include "files/PrivateFiles.h"
#include "mail/EmailAddress.h"
#include "run/RunClock.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QThread>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr QLatin1StringView suffix(".run");

// A run's id names its file: nothing but letters, digits and hyphens.
bool isId(const QString &id)
{
    static const QRegularExpression pattern(u"^[A-Za-z0-9-]{1,64}$"_s);
    return pattern.match(id).hasMatch();
}

QByteArray rowLine(const RunHistory::Row &row)
{
    QJsonArray values{row.address, row.outcome, row.text, row.at};
    if (!row.messageId.isEmpty() || !row.account.isEmpty())
        values.append(row.messageId);
    if (!row.account.isEmpty())
        values.append(row.account);
    return QJsonDocument(values).toJson(QJsonDocument::Compact) + '\n';
}

// Reads a run's file line by line: the header, then each row to `onRow`
// until it answers false.
template<typename OnRow>
QJsonObject readRun(const QString &path, OnRow onRow)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonObject header = QJsonDocument::fromJson(file.readLine()).object();
    if (header.isEmpty())
        return {};
    while (!file.atEnd()) {
        const QJsonArray values = QJsonDocument::fromJson(file.readLine()).array();
        if (values.size() < 4)
            continue;
        const RunHistory::Row row{values.at(0).toString(),
                                  values.at(1).toString(),
                                  values.at(2).toString(),
                                  static_cast<qint64>(values.at(3).toDouble()),
                                  values.at(4).toString(),
                                  values.at(5).toString()};
        if (!onRow(row))
            break;
    }
    return header;
}

QJsonObject readHeader(const QString &path)
{
    return readRun(path, [](const RunHistory::Row &) { return false; });
}

// The run files of the folder, oldest first (ids start with the start time).
QFileInfoList runFiles(const QString &folder)
{
    return QDir(folder).entryInfoList({u"*"_s + suffix}, QDir::Files, QDir::Name);
}

} // namespace

RunHistory::RunHistory(QObject *parent) : QObject(parent) {}

void RunHistory::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    emit pathChanged();
    reload();
}

QString RunHistory::fileOf(const QString &id) const
{
    return isId(id) ? m_path + u'/' + id + suffix : QString();
}

bool RunHistory::write(const QString &folder, const QJsonObject &header, const QList<Row> &rows,
                       int keepRuns, qint64 keepBytes)
{
    const QString id = header.value("id"_L1).toString();
    if (!isId(id) || !PrivateFiles::makeFolder(folder))
        return false;
    const QString path = folder + u'/' + id + suffix;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    PrivateFiles::restrict(file);
    file.write(QJsonDocument(header).toJson(QJsonDocument::Compact) + '\n');
    for (const Row &row : rows)
        file.write(rowLine(row));
    if (!file.commit())
        return false;

    // The oldest go first; the run just written always stays.
    QFileInfoList files = runFiles(folder);
    qint64 bytes = 0;
    for (const QFileInfo &info : std::as_const(files))
        bytes += info.size();
    for (qsizetype i = 0; i < files.size() && (files.size() - i > keepRuns || bytes > keepBytes);
         ++i) {
        if (files.at(i).absoluteFilePath() == QFileInfo(path).absoluteFilePath())
            continue;
        bytes -= files.at(i).size();
        QFile::remove(files.at(i).absoluteFilePath());
    }
    return true;
}

QJsonObject RunHistory::header(QJsonObject identity, const QString &state, const QList<Row> &rows)
{
    QHash<QString, int> counts;
    for (const Row &row : rows)
        ++counts[row.outcome];
    identity.insert(u"ended"_s,
                    QDateTime::fromMSecsSinceEpoch(RunClock::now(), Qt::UTC).toString(Qt::ISODate));
    identity.insert(u"state"_s, state);
    identity.insert(u"total"_s, rows.size());
    for (const QString &outcome : {u"sent"_s, u"failed"_s, u"unknown"_s, u"invalid"_s})
        identity.insert(outcome, counts.value(outcome));
    return identity;
}

RunHistory::Sends RunHistory::sendsSince(const QString &folder, qint64 since)
{
    Sends sends;
    const QDateTime from = QDateTime::fromMSecsSinceEpoch(since, Qt::UTC);
    for (const QFileInfo &info : runFiles(folder)) {
        // A run that ended before the window sent nothing within it.
        const QJsonObject header = readHeader(info.absoluteFilePath());
        if (QDateTime::fromString(header.value("ended"_L1).toString(), Qt::ISODate) < from)
            continue;
        const QString account = header.value("account"_L1).toString().toLower();
        readRun(info.absoluteFilePath(), [&](const Row &row) {
            if (row.at >= since && (row.outcome == "sent"_L1 || row.outcome == "unknown"_L1))
                sends.times[row.account.isEmpty() ? account : row.account.toLower()].append(row.at);
            return true;
        });
        sends.runIds.insert(header.value("id"_L1).toString());
    }
    for (QList<qint64> &times : sends.times)
        std::sort(times.begin(), times.end());
    return sends;
}

QString RunHistory::fingerprint(const QVariantMap &params)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    auto add = [&hash](const QString &text) {
        hash.addData(text.toUtf8());
        hash.addData(QByteArrayView("\0", 1));
    };
    add(params.value(u"subject"_s).toString());
    add(params.value(u"content"_s).toString());
    const QString html = params.value(u"html"_s).toString();
    add(html);
    if (!html.isEmpty()) {
        QFile file(html);
        if (file.open(QIODevice::ReadOnly))
            hash.addData(&file);
    }
    for (const QString &path : params.value(u"attachments"_s).toStringList()) {
        const QFileInfo info(path);
        add(info.absoluteFilePath());
        add(QString::number(info.size()));
        add(QString::number(info.lastModified().toMSecsSinceEpoch()));
    }
    return QString::fromLatin1(hash.result().toHex());
}

QStringList RunHistory::receivedAddresses(const QString &folder, const QString &fingerprint)
{
    QSet<QString> seen;
    QStringList addresses;
    for (const QFileInfo &info : runFiles(folder)) {
        if (readHeader(info.absoluteFilePath()).value("fingerprint"_L1).toString() != fingerprint)
            continue;
        readRun(info.absoluteFilePath(), [&](const Row &row) {
            if (row.outcome == "sent"_L1 || row.outcome == "unknown"_L1) {
                const QString key = EmailAddress::key(row.address);
                if (!seen.contains(key)) {
                    seen.insert(key);
                    addresses.append(key);
                }
            }
            return true;
        });
    }
    return addresses;
}

QHash<QString, RunHistory::Sent> RunHistory::findMessages(const QString &folder,
                                                          const QSet<QString> &messageIds)
{
    QHash<QString, Sent> found;
    if (messageIds.isEmpty())
        return found;
    for (const QFileInfo &info : runFiles(folder)) {
        const QJsonObject header = readRun(info.absoluteFilePath(), [&](const Row &row) {
            if (!row.messageId.isEmpty() && messageIds.contains(row.messageId))
                found.insert(row.messageId, {QString(), row.address});
            return found.size() < messageIds.size();
        });
        // The rows of this run are those found without a run yet.
        const QString runId = header.value("id"_L1).toString();
        for (Sent &sent : found) {
            if (sent.runId.isEmpty())
                sent.runId = runId;
        }
        if (found.size() == messageIds.size())
            break;
    }
    return found;
}

void RunHistory::reload()
{
    m_runs.clear();
    if (!m_path.isEmpty()) {
        const QFileInfoList files = runFiles(m_path);
        for (auto it = files.crbegin(); it != files.crend(); ++it) {
            QJsonObject header = readHeader(it->absoluteFilePath());
            if (header.isEmpty())
                continue;
            header.remove("fingerprint"_L1);
            m_runs.append(header.toVariantMap());
        }
    }
    emit runsChanged();
}

QVariantList RunHistory::outcomes(const QString &id, int limit) const
{
    QVariantList rows;
    const QString path = fileOf(id);
    if (path.isEmpty())
        return rows;
    readRun(path, [&](const Row &row) {
        rows.append(QVariantMap{{u"address"_s, row.address},
                                {u"outcome"_s, row.outcome},
                                {u"text"_s, row.text},
                                {u"at"_s, row.at},
                                {u"account"_s, row.account}});
        return rows.size() < limit;
    });
    return rows;
}

bool RunHistory::exportCsv(const QString &id, const QUrl &url)
{
    const QString source = fileOf(id);
    const QString target = url.isLocalFile() ? url.toLocalFile() : url.toString();
    if (source.isEmpty() || target.isEmpty() || !QFileInfo::exists(source))
        return false;
    auto ok = std::make_shared<bool>(false);
    QThread *writer = QThread::create([source, target, ok] {
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly))
            return;
        // The same mark and line ends as the contacts' export, for spreadsheets.
        file.write("\xEF\xBB\xBF");
        file.write(CsvWriter::row({u"address"_s, u"outcome"_s, u"time"_s, u"reply"_s}) + "\r\n");
        readRun(source, [&file](const Row &row) {
            const QString time = row.at > 0 ? QDateTime::fromMSecsSinceEpoch(row.at).toString(
                                         Qt::ISODateWithMs)
                                            : QString();
            file.write(CsvWriter::row({row.address, row.outcome, time, row.text}) + "\r\n");
            return true;
        });
        *ok = file.commit();
    });
    connect(writer, &QThread::finished, writer, &QObject::deleteLater);
    connect(writer, &QThread::finished, this, [this, ok, target] { emit exported(*ok, target); });
    writer->start();
    return true;
}
