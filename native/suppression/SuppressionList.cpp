#include "suppression/SuppressionList.h"

#include "contacts/CsvReader.h"
#include "contacts/CsvWriter.h"
#include "files/PrivateFiles.h"
#include "mail/EmailAddress.h"
#include "run/DeliveryThread.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <climits>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr QLatin1StringView reasons[] = {"unsubscribed"_L1, "bounced"_L1, "complained"_L1,
                                         "manual"_L1};

// A field of a line: tabs and line ends would cut it, so they become spaces.
QByteArray field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    for (char &c : bytes) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return bytes;
}

// Appends to the file and flushes it to the disk; the file is owner-only.
QString appendSynced(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    PrivateFiles::restrict(file);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    if (::fdatasync(file.handle()) != 0)
        return QString::fromLocal8Bit(strerror(errno));
    return QString();
}

QString localPath(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

} // namespace

void SuppressionList::Entries::insert(const QString &key, Entry entry)
{
    if (m_shards.isEmpty())
        m_shards.resize(shardCount);
    auto &in = m_shards[index(key)];
    const qsizetype before = in.size();
    in.insert(key, std::move(entry));
    m_size += in.size() - before;
}

void SuppressionList::Entries::remove(const QString &key)
{
    if (m_shards.isEmpty() || !contains(key))
        return;
    m_shards[index(key)].remove(key);
    --m_size;
}

const QHash<QString, SuppressionList::Entry> &SuppressionList::Entries::shard(const QString &key) const
{
    static const QHash<QString, Entry> none;
    return m_shards.isEmpty() ? none : m_shards.at(index(key));
}

SuppressionList::SuppressionList(QObject *parent) : QObject(parent), m_path(defaultPath())
{
    m_writer = new QThread;
    m_writer->setObjectName(u"suppression"_s);
    m_writerContext = new QObject;
    m_writerContext->moveToThread(m_writer);
    connect(m_writer, &QThread::finished, m_writerContext, &QObject::deleteLater);
    m_writer->start(QThread::LowPriority);
    // Loaded once the path set by the interface is known.
    QMetaObject::invokeMethod(this, &SuppressionList::load, Qt::QueuedConnection);
}

SuppressionList::~SuppressionList()
{
    // Every change made is written before the list goes: the quit is queued
    // behind the writes, since a thread told to quit drops what is still queued.
    QThread *writer = m_writer;
    QMetaObject::invokeMethod(m_writerContext, [writer] { writer->quit(); });
    m_writer->wait();
    delete m_writer;
}

QString SuppressionList::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
           + u"/suppression.tsv"_s;
}

bool SuppressionList::isReason(const QString &reason)
{
    return std::find(std::begin(reasons), std::end(reasons), reason) != std::end(reasons);
}

void SuppressionList::setPath(const QString &path)
{
    if (path == m_path)
        return;
    m_path = path;
    // Changes made so far went to the file before: not replayed on this one.
    m_early.clear();
    emit pathChanged();
    if (!m_loadQueued)
        load();
}

void SuppressionList::load()
{
    m_loadQueued = false;
    const quint64 serial = ++m_loadSerial;
    if (m_loaded) {
        m_loaded = false;
        emit loadedChanged();
    }
    // Changes made before the read began (the constructor's load is queued)
    // are kept: the read may or may not find them in the file.
    const QString path = m_path;
    auto result = std::make_shared<Loaded>();
    QThread *reader = oneOffThread([path, result] { *result = read(path); });
    connect(reader, &QThread::finished, this,
            [this, serial, result] { loadFinished(serial, *result); });
    reader->start();
}

SuppressionList::Loaded SuppressionList::read(const QString &path)
{
    Loaded loaded;
    QFile file(path);
    if (!file.exists())
        return loaded;
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error = file.errorString();
        return loaded;
    }
    const QByteArray bytes = file.readAll();
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf('\n', start);
        // A line cut short by a crash counts for nothing.
        if (end < 0) {
            loaded.torn = true;
            break;
        }
        const QList<QByteArray> parts
                = QByteArray::fromRawData(bytes.constData() + start, end - start).split('\t');
        start = end + 1;
        ++loaded.lines;
        if (parts.size() < 2)
            continue;
        const QString address = QString::fromUtf8(parts.at(1));
        if (parts.at(0) == "-") {
            loaded.entries.remove(EmailAddress::key(address));
        } else if (parts.at(0) == "+" && parts.size() >= 5 && EmailAddress::isWellFormed(address)) {
            Entry entry{address, QString::fromUtf8(parts.at(2)), parts.at(3).toLongLong(),
                        QString::fromUtf8(parts.at(4))};
            if (isReason(entry.reason))
                loaded.entries.insert(EmailAddress::key(address), std::move(entry));
        }
    }
    return loaded;
}

void SuppressionList::loadFinished(quint64 serial, const Loaded &loaded)
{
    if (serial != m_loadSerial)
        return;
    m_entries = loaded.entries;
    m_fileLines = loaded.lines;
    // Changes made meanwhile are in the file already, maybe read too.
    for (const Change &change : std::as_const(m_early))
        apply(change);
    m_early.clear();
    setError(loaded.error);
    // The next append must not join the torn line.
    if (loaded.torn)
        rewrite();
    m_loaded = true;
    emit loadedChanged();
    emit changed();
}

QByteArray SuppressionList::lineOf(const Change &change)
{
    if (!change.add)
        return "-\t" + field(change.entry.address) + '\n';
    return "+\t" + field(change.entry.address) + '\t' + field(change.entry.reason) + '\t'
           + QByteArray::number(change.entry.at) + '\t' + field(change.entry.detail) + '\n';
}

void SuppressionList::apply(const Change &change)
{
    if (change.add)
        m_entries.insert(EmailAddress::key(change.entry.address), change.entry);
    else
        m_entries.remove(EmailAddress::key(change.entry.address));
}

QVariantMap SuppressionList::toMap(const Entry &entry)
{
    return {{u"address"_s, entry.address},
            {u"reason"_s, entry.reason},
            {u"at"_s, entry.at},
            {u"detail"_s, entry.detail}};
}

QVariantMap SuppressionList::find(const QString &address) const
{
    const Entry *entry = m_entries.find(EmailAddress::key(address));
    return entry ? toMap(*entry) : QVariantMap();
}

bool SuppressionList::add(const QString &address, const QString &reason, const QString &detail)
{
    const QString trimmed = address.trimmed();
    if (!EmailAddress::isWellFormed(trimmed) || !isReason(reason))
        return false;
    commit({true, {trimmed, reason, QDateTime::currentMSecsSinceEpoch(), detail}});
    return true;
}

bool SuppressionList::remove(const QString &address)
{
    const Entry *entry = m_entries.find(EmailAddress::key(address.trimmed()));
    if (!entry)
        return false;
    commit({false, {entry->address, {}, 0, {}}});
    return true;
}

void SuppressionList::commit(const Change &change)
{
    apply(change);
    // Replayed over what a read or an import under way brings.
    if (!m_loaded || m_busy)
        m_early.append(change);
    write(lineOf(change), 1);
    emit changed();
}

void SuppressionList::write(const QByteArray &lines, qsizetype count)
{
    m_fileLines += count;
    // Mostly removed or replaced entries: the file is written anew.
    if (m_loaded && m_fileLines > 2 * m_entries.size() + 1000) {
        rewrite();
        return;
    }
    const QString path = m_path;
    QMetaObject::invokeMethod(m_writerContext, [this, path, lines] {
        const QString error = appendSynced(path, lines);
        QMetaObject::invokeMethod(
                this, [this, error] { setError(error); }, Qt::QueuedConnection);
    });
}

void SuppressionList::rewrite()
{
    const QString path = m_path;
    const Entries entries = m_entries;
    m_fileLines = entries.size();
    QMetaObject::invokeMethod(m_writerContext, [this, path, entries] {
        QByteArray bytes;
        entries.forEach([&bytes](const QString &, const Entry &entry) {
            bytes += lineOf({true, entry});
        });
        QDir().mkpath(QFileInfo(path).absolutePath());
        QSaveFile file(path);
        QString error;
        if (!file.open(QIODevice::WriteOnly) || !PrivateFiles::restrict(file)
            || file.write(bytes) != bytes.size() || !file.commit())
            error = file.errorString();
        QMetaObject::invokeMethod(
                this, [this, error] { setError(error); }, Qt::QueuedConnection);
    });
}

void SuppressionList::setError(const QString &error)
{
    if (error == m_error)
        return;
    m_error = error;
    emit errorChanged();
}

void SuppressionList::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    emit busyChanged();
}

void SuppressionList::search(const QString &text, int limit)
{
    const quint64 serial = ++m_searchSerial;
    const Entries entries = m_entries;
    const QString needle = text.trimmed();
    auto results = std::make_shared<QVariantList>();
    auto matches = std::make_shared<int>(0);
    QThread *worker = oneOffThread([entries, needle, limit, results, matches] {
        QList<const Entry *> found;
        entries.forEach([&found, &needle](const QString &key, const Entry &entry) {
            if (needle.isEmpty() || key.contains(needle, Qt::CaseInsensitive))
                found.append(&entry);
        });
        *matches = static_cast<int>(found.size());
        const auto shown = std::min<qsizetype>(found.size(), std::max(limit, 0));
        const auto newest = [](const Entry *a, const Entry *b) {
            return a->at != b->at ? a->at > b->at : a->address < b->address;
        };
        std::partial_sort(found.begin(), found.begin() + shown, found.end(), newest);
        for (qsizetype i = 0; i < shown; ++i)
            results->append(toMap(*found.at(i)));
    });
    connect(worker, &QThread::finished, this, [this, serial, text, results, matches] {
        if (serial == m_searchSerial)
            emit searched(text, *results, *matches);
    });
    worker->start();
}

QByteArray SuppressionList::toCsv(const Entries &entries)
{
    QList<const Entry *> sorted;
    sorted.reserve(entries.size());
    entries.forEach([&sorted](const QString &, const Entry &entry) { sorted.append(&entry); });
    std::sort(sorted.begin(), sorted.end(),
              [](const Entry *a, const Entry *b) { return a->address < b->address; });
    QByteArray bytes = "\xEF\xBB\xBF"
                       + CsvWriter::row({u"email"_s, u"reason"_s, u"date"_s, u"detail"_s}) + "\r\n";
    for (const Entry *entry : std::as_const(sorted)) {
        const QString date = QDateTime::fromMSecsSinceEpoch(entry->at, Qt::UTC)
                                     .toString(Qt::ISODateWithMs);
        bytes += CsvWriter::row({entry->address, entry->reason, date, entry->detail}) + "\r\n";
    }
    return bytes;
}

QList<SuppressionList::Entry> SuppressionList::fromCsv(const QByteArray &bytes,
                                                       const QString &reason, qint64 now)
{
    CsvReader reader;
    reader.setKeepRows(INT_MAX);
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        reader.addBytes(QByteArrayView(bytes).sliced(start, end - start));
        reader.takeFinishedCards();
        start = end + 1;
    }
    reader.finish();
    const QStringList headers = reader.headers();
    const auto column = [&headers](std::initializer_list<QLatin1StringView> names) {
        for (qsizetype i = 0; i < headers.size(); ++i) {
            for (const QLatin1StringView name : names) {
                if (headers.at(i).trimmed().compare(name, Qt::CaseInsensitive) == 0)
                    return i;
            }
        }
        return qsizetype(-1);
    };
    qsizetype email = column({"email"_L1, "e-mail"_L1, "address"_L1, "email address"_L1});
    for (qsizetype i = 0; email < 0 && i < headers.size(); ++i) {
        if (CsvReader::fieldForHeader(headers.at(i)) == VCardReader::Email)
            email = i;
    }
    const qsizetype reasonColumn = column({"reason"_L1});
    const qsizetype dateColumn = column({"date"_L1});
    const qsizetype detailColumn = column({"detail"_L1});

    QList<Entry> entries;
    const auto take = [&](const QString &address, const QStringList &row) {
        if (!EmailAddress::isWellFormed(address))
            return;
        Entry entry{address, reason, now, QString()};
        const QString given = row.value(reasonColumn).trimmed();
        if (reasonColumn >= 0 && isReason(given))
            entry.reason = given;
        const QDateTime date = QDateTime::fromString(row.value(dateColumn).trimmed(),
                                                     Qt::ISODateWithMs);
        if (dateColumn >= 0 && date.isValid())
            entry.at = date.toMSecsSinceEpoch();
        if (detailColumn >= 0)
            entry.detail = row.value(detailColumn);
        entries.append(std::move(entry));
    };
    if (email >= 0) {
        for (const QStringList &row : reader.keptRows())
            take(row.value(email).trimmed(), row);
        return entries;
    }
    // No column named as addresses: a plain list, its first line included.
    QList<QStringList> rows = reader.keptRows();
    rows.prepend(headers);
    for (const QStringList &row : std::as_const(rows)) {
        for (const QString &value : row)
            take(value.trimmed(), {});
    }
    return entries;
}

bool SuppressionList::importFile(const QUrl &url, const QString &reason)
{
    if (m_busy || !m_loaded || !isReason(reason))
        return false;
    setBusy(true);
    m_early.clear();
    const quint64 loadSerial = m_loadSerial;
    const QString path = localPath(url);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    struct Merged
    {
        Entries entries;
        QByteArray lines;
        int added = 0;
        int read = 0;
        QString error;
    };
    auto merged = std::make_shared<Merged>();
    merged->entries = m_entries;
    // The file is read and merged on the worker, into a copy: the window
    // only swaps the result in.
    QThread *worker = oneOffThread([path, reason, now, merged] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            merged->error = file.errorString();
            return;
        }
        const QList<Entry> entries = fromCsv(file.readAll(), reason, now);
        merged->read = static_cast<int>(entries.size());
        for (const Entry &entry : entries) {
            // An address already listed keeps its entry: the reason it was
            // first listed for is the one that matters.
            const QString key = EmailAddress::key(entry.address);
            if (merged->entries.contains(key))
                continue;
            merged->entries.insert(key, entry);
            merged->lines += lineOf({true, entry});
            ++merged->added;
        }
    });
    connect(worker, &QThread::finished, this, [this, merged, loadSerial] {
        // Another file was opened meanwhile: the merge is of the last one.
        if (loadSerial == m_loadSerial && merged->added > 0) {
            m_entries = std::move(merged->entries);
            // Changes made meanwhile win, in memory and in the file alike.
            QByteArray lines = std::move(merged->lines);
            for (const Change &change : std::as_const(m_early)) {
                apply(change);
                lines += lineOf(change);
            }
            write(lines, merged->added + m_early.size());
            emit changed();
        }
        if (m_loaded)
            m_early.clear();
        setBusy(false);
        emit imported(merged->added, merged->read - merged->added, merged->error);
    });
    worker->start();
    return true;
}

bool SuppressionList::exportFile(const QUrl &url)
{
    if (m_busy)
        return false;
    setBusy(true);
    const QString path = localPath(url);
    const Entries entries = m_entries;
    auto error = std::make_shared<QString>();
    QThread *worker = oneOffThread([path, entries, error] {
        QSaveFile file(path);
        const QByteArray bytes = toCsv(entries);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            *error = file.errorString();
    });
    const int count = static_cast<int>(entries.size());
    connect(worker, &QThread::finished, this, [this, count, error] {
        if (m_loaded)
            m_early.clear();
        setBusy(false);
        emit exported(error->isEmpty() ? count : 0, *error);
    });
    worker->start();
    return true;
}
