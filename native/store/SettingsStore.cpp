#include "store/SettingsStore.h"

#include "files/FileTrust.h"
#include "files/PrivateFiles.h"
#include "store/SharedScriptValues.h"
#include "store/StoreFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QJSEngine>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <filesystem>
#include <functional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

using StoreFiles::keyFile;
using StoreFiles::logFile;
using StoreFiles::writeError;

// Replaces one key's file atomically with what `content` writes into it.
QString writeFile(const QString &storePath, const QString &group, const QString &key,
                  const std::function<bool(QFileDevice &)> &content)
{
    if (!PrivateFiles::makeFolder(storePath) || !PrivateFiles::makeFolder(storePath + u'/' + group))
        return u"the folder could not be created"_s;
    QSaveFile out(keyFile(storePath, group, key));
    errno = 0;
    if (!out.open(QIODevice::WriteOnly))
        return writeError(out, errno);
    PrivateFiles::restrict(out);
    if (!content(out) || !out.flush() || !out.commit())
        return writeError(out, errno);
    return {};
}

// Writes an array element by element as it goes, rather than joined in
// memory first.
bool writeElements(QFileDevice &out, const QJsonArray &array, qint64 seq)
{
    const QByteArray head = seq > 0 ? "{\"seq\":" + QByteArray::number(seq) + ",\"value\":["
                                    : QByteArray("{\"value\":[");
    bool written = out.write(head) == head.size();
    for (qsizetype i = 0; written && i < array.size(); ++i) {
        const QByteArray element = SettingsStore::encodedElement(array.at(i));
        written = (i == 0 || out.write(",", 1) == 1) && out.write(element) == element.size();
    }
    return written && out.write("]}") == 2;
}

// Writes one key's file whole, holding the changes up to seq, and drops its
// log, which the file now holds; an absent value removes both.
QString writeWhole(const QString &storePath, const QString &group, const QString &key,
                   const QJsonValue &value, qint64 seq)
{
    const QString file = keyFile(storePath, group, key);
    if (value.isUndefined() || value.isNull()) {
        if (QFile::exists(file) && !QFile::remove(file))
            return u"the old value could not be removed"_s;
    } else {
        const QString reason = writeFile(storePath, group, key, [&value, seq](QFileDevice &out) {
            if (value.isArray())
                return writeElements(out, value.toArray(), seq);
            const QByteArray bytes = StoreFiles::keyText(value, seq);
            return out.write(bytes) == bytes.size();
        });
        if (!reason.isEmpty())
            return reason;
    }
    // Should it stay, its lines are numbered up to seq and so read as done.
    QFile::remove(logFile(storePath, group, key));
    return {};
}

std::filesystem::path fileSystemPath(const QString &path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

void trimHeap()
{
#ifdef __GLIBC__
    // Encoding or parsing a long list leaves megabytes free in this thread's
    // heap; hand them back rather than keep them for the next time.
    malloc_trim(0);
#endif
}

// Folding a key's log into its file pays once the log is a fair share of it.
bool logWantsCompaction(qint64 lines, qint64 logBytes, qint64 keyBytes)
{
    return lines > 0 && (lines >= 200 || logBytes > qMax<qint64>(64 * 1024, keyBytes / 4));
}

} // namespace

// Lives on a thread of its own: rebuilds a key from its file and log into a
// new file beside it, which the writer then puts in place. It only reads the
// key's files, so the writer goes on appending meanwhile.
class StoreCompactor : public QObject
{
    Q_OBJECT
public:
    void compact(const QString &storePath, const QString &group, const QString &key, quint64 epoch)
    {
        const StoreFiles::Loaded loaded = StoreFiles::load(storePath, group, key);
        const QString temporary = keyFile(storePath, group, key) + u".compact"_s;
        QString reason;
        qint64 size = 0;
        if (!loaded.value.isArray()) {
            reason = u"the stored list could not be read"_s;
        } else {
            QFile out(temporary);
            errno = 0;
            if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                reason = writeError(out, errno);
            } else {
                PrivateFiles::restrict(out);
                if (!writeElements(out, loaded.value.toArray(), loaded.seq)
                    || !StoreFiles::syncToDisk(out))
                    reason = writeError(out, errno);
                size = out.size();
                out.close();
            }
            if (!reason.isEmpty())
                QFile::remove(temporary);
        }
        trimHeap();
        emit compacted(storePath, group, key, epoch, loaded.seq, loaded.logEnd, size, temporary,
                       reason);
    }

signals:
    void compacted(const QString &storePath, const QString &group, const QString &key,
                   quint64 epoch, qint64 seq, qint64 logEnd, qint64 size, const QString &temporary,
                   const QString &reason);
};

// Lives on the writer thread; batches arrive in the order they were made.
// Every change to the store's files is made here, one at a time: whole keys,
// log lines, and putting a compacted key in place.
class StoreWriter : public QObject
{
    Q_OBJECT
public:
    void write(const QString &storePath, const QHash<QString, StoreChange> &batch, bool retryNow)
    {
        for (auto it = batch.cbegin(); it != batch.cend(); ++it) {
            KeyState &s = state(storePath, it.key().section(u'/', 0, 0), it.key().section(u'/', 1));
            queue(s, it.value());
            drain(s);
        }
        if (retryNow)
            retryAll();
        scheduleRetry();
        trimHeap();
    }

    // The key's value as it will be once everything is written.
    QJsonValue load(const QString &storePath, const QString &group, const QString &key)
    {
        const StoreFiles::Loaded loaded = StoreFiles::load(storePath, group, key);
        KeyState &s = state(storePath, group, key, &loaded);
        QJsonValue value = loaded.value;
        for (const StoreChange &change : std::as_const(s.unwritten)) {
            if (change.set)
                value = change.value;
            if (!change.splices.isEmpty()) {
                QJsonArray array = value.toArray();
                StoreFiles::applySplices(array, change.splices);
                value = array;
            }
        }
        if (loaded.inconsistent && s.unwritten.isEmpty()) {
            // The log does not fit the file: store what could be read, so
            // that later changes land on the list the caller holds.
            queue(s, StoreChange{true, value, {}});
            drain(s);
            scheduleRetry();
        }
        if (loaded.keySize > 1024 * 1024)
            trimHeap();
        return value;
    }

    // Tries every change that failed before, now.
    void retryAll()
    {
        for (KeyState &s : m_keys) {
            if (!s.unwritten.isEmpty())
                drain(s);
        }
    }

    // How many keys still wait, and why the first of them does.
    std::pair<int, QString> unwritten() const
    {
        int count = 0;
        QString error;
        for (const KeyState &s : std::as_const(m_keys)) {
            if (s.unwritten.isEmpty())
                continue;
            if (count++ == 0)
                error = s.error;
        }
        return {count, error};
    }

    void report()
    {
        const auto [count, error] = unwritten();
        emit settled(count, error);
    }

    void reportSaved()
    {
        const auto [count, error] = unwritten();
        emit saved(count == 0, error);
    }

    // At the end, once the compactor has stopped: every log is folded into
    // its key, so the next start reads one file per key.
    void finish()
    {
        for (KeyState &s : m_keys) {
            if (!s.unwritten.isEmpty() || s.logSize == 0)
                continue;
            const StoreFiles::Loaded loaded = StoreFiles::load(s.storePath, s.group, s.key);
            if (!loaded.value.isArray())
                continue;
            if (writeWhole(s.storePath, s.group, s.key, loaded.value, s.lastSeq).isEmpty())
                s.logSize = s.logEnd = s.logLines = 0;
        }
        trimHeap();
    }

    // A compaction's new file, put in place unless the key was replaced
    // meanwhile; the lines it holds then leave the log.
    void compacted(const QString &storePath, const QString &group, const QString &key,
                   quint64 epoch, qint64 seq, qint64 logEnd, qint64 size, const QString &temporary,
                   const QString &reason)
    {
        KeyState &s = state(storePath, group, key);
        s.compacting = false;
        if (!reason.isEmpty() || epoch != s.epoch || logEnd > s.logEnd || seq > s.lastSeq) {
            QFile::remove(temporary);
            if (!reason.isEmpty())
                s.compactAfter.setRemainingTime(10 * 1000);
            return;
        }
        std::error_code error;
        std::filesystem::rename(fileSystemPath(temporary),
                                fileSystemPath(keyFile(storePath, group, key)), error);
        if (error) {
            QFile::remove(temporary);
            s.compactAfter.setRemainingTime(10 * 1000);
            return;
        }
        s.keySize = size;
        // The lines written during the compaction stay; the others are in
        // the key file now (and would read as done should this fail).
        const QString log = logFile(storePath, group, key);
        QByteArray tail;
        {
            QFile in(log);
            if (!in.open(QIODevice::ReadOnly) || !in.seek(logEnd))
                return;
            tail = in.read(s.logEnd - logEnd);
            if (tail.size() != s.logEnd - logEnd)
                return;
        }
        if (tail.isEmpty()) {
            if (QFile::remove(log))
                s.logSize = s.logEnd = s.logLines = 0;
            return;
        }
        QSaveFile out(log);
        if (!out.open(QIODevice::WriteOnly))
            return;
        PrivateFiles::restrict(out);
        if (out.write(tail) == tail.size() && out.commit()) {
            s.logSize = s.logEnd = tail.size();
            s.logLines = tail.count('\n');
        }
    }

signals:
    void failed(const QString &group, const QString &key, const QString &reason);
    void settled(int unwrittenKeys, const QString &error);
    void saved(bool ok, const QString &error);
    void compact(const QString &storePath, const QString &group, const QString &key, quint64 epoch);

private:
    struct KeyState
    {
        QString storePath;
        QString group;
        QString key;
        qint64 lastSeq = 0; // the highest change number on disk
        qint64 logEnd = 0;  // bytes of sound lines in the log
        qint64 logSize = 0; // bytes of the log file
        qint64 logLines = 0;
        qint64 keySize = 0;
        quint64 epoch = 0; // counts whole writes: a compaction begun before one is stale
        // Changes not yet on disk, in order: a whole value then splices, or
        // splices alone. Only the first may be partly written.
        QList<StoreChange> unwritten;
        QString error; // why the last attempt failed
        bool compacting = false;
        QDeadlineTimer compactAfter{0};
    };

    KeyState &state(const QString &storePath, const QString &group, const QString &key,
                    const StoreFiles::Loaded *loaded = nullptr)
    {
        const QString name = keyFile(storePath, group, key);
        auto it = m_keys.find(name);
        if (it != m_keys.end())
            return *it;
        const StoreFiles::Loaded found = loaded ? *loaded : StoreFiles::scan(storePath, group, key);
        KeyState s;
        s.storePath = storePath;
        s.group = group;
        s.key = key;
        s.lastSeq = found.lastSeq;
        s.logEnd = found.logEnd;
        s.logSize = found.logSize;
        s.logLines = found.logLines;
        s.keySize = found.keySize;
        return *m_keys.insert(name, s);
    }

    static void queue(KeyState &s, const StoreChange &change)
    {
        if (change.set)
            s.unwritten.clear(); // a whole value makes what came before moot
        if (!change.set && !s.unwritten.isEmpty())
            s.unwritten.last().splices.append(change.splices);
        else
            s.unwritten.append(change);
    }

    // Writes the key's unwritten changes in order, up to the first failure.
    void drain(KeyState &s)
    {
        while (!s.unwritten.isEmpty()) {
            StoreChange &change = s.unwritten.first();
            QString reason;
            if (change.set) {
                reason = writeWhole(s.storePath, s.group, s.key, change.value, s.lastSeq);
                if (reason.isEmpty()) {
                    ++s.epoch;
                    s.logSize = s.logEnd = s.logLines = 0;
                    s.keySize = QFileInfo(keyFile(s.storePath, s.group, s.key)).size();
                    change.set = false;
                    change.value = QJsonValue();
                }
            }
            if (reason.isEmpty() && !change.splices.isEmpty())
                reason = append(s, change.splices);
            if (!reason.isEmpty()) {
                if (reason != s.error)
                    emit failed(s.group, s.key, reason);
                s.error = reason;
                return;
            }
            s.unwritten.removeFirst();
        }
        s.error.clear();
        if (!s.compacting && s.compactAfter.hasExpired()
            && logWantsCompaction(s.logLines, s.logEnd, s.keySize)) {
            s.compacting = true;
            emit compact(s.storePath, s.group, s.key, s.epoch);
        }
    }

    // One log line for the splices, on disk before this returns.
    static QString append(KeyState &s, const QList<StoreSplice> &splices)
    {
        if (!PrivateFiles::makeFolder(s.storePath + u'/' + s.group))
            return u"the folder could not be created"_s;
        QFile log(logFile(s.storePath, s.group, s.key));
        errno = 0;
        if (!log.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
            return writeError(log, errno);
        PrivateFiles::restrict(log);
        if (log.size() != s.logEnd) {
            // A line torn by a crash or a failed write, or another store on
            // this folder: count again, and the next line goes after the
            // last sound one.
            const StoreFiles::Loaded found = StoreFiles::scan(s.storePath, s.group, s.key);
            s.lastSeq = qMax(s.lastSeq, found.lastSeq);
            s.logEnd = found.logEnd;
            s.logLines = found.logLines;
            s.keySize = found.keySize;
            if (log.size() != s.logEnd && !log.resize(s.logEnd))
                return writeError(log, errno);
        }
        const QByteArray line = StoreFiles::logLine(s.lastSeq + 1, splices);
        if (!log.seek(s.logEnd) || log.write(line) != line.size() || !StoreFiles::syncToDisk(log)) {
            const QString reason = writeError(log, errno);
            log.resize(s.logEnd); // should this fail too, the next attempt cuts it
            return reason;
        }
        ++s.lastSeq;
        s.logSize = s.logEnd += line.size();
        ++s.logLines;
        return {};
    }

    // Failed changes are tried again after 0.5 s, then less and less often,
    // up to every 10 s, until they are written.
    void scheduleRetry()
    {
        bool failing = false;
        for (const KeyState &s : std::as_const(m_keys))
            failing = failing || !s.unwritten.isEmpty();
        if (!failing) {
            m_retryDelay = 500;
            if (m_retry)
                m_retry->stop();
            return;
        }
        if (!m_retry) {
            m_retry = new QTimer(this);
            m_retry->setSingleShot(true);
            connect(m_retry, &QTimer::timeout, this, [this] {
                retryAll();
                m_retryDelay = qMin(m_retryDelay * 2, 10 * 1000);
                scheduleRetry();
                report();
            });
        }
        if (!m_retry->isActive())
            m_retry->start(m_retryDelay);
    }

    QHash<QString, KeyState> m_keys; // by key file
    QTimer *m_retry = nullptr;
    int m_retryDelay = 500;
};

SettingsStore::SettingsStore(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(50);
    connect(&m_timer, &QTimer::timeout, this, &SettingsStore::startWriting);

    m_thread = new QThread(this);
    m_thread->setObjectName(u"SettingsStore writer"_s);
    m_writer = new StoreWriter;
    m_writer->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    connect(m_writer, &StoreWriter::failed, this, &SettingsStore::writeFailed);
    connect(m_writer, &StoreWriter::settled, this, &SettingsStore::writerSettled);
    connect(m_writer, &StoreWriter::saved, this, &SettingsStore::saveFinished);

    m_compactorThread = new QThread(this);
    m_compactorThread->setObjectName(u"SettingsStore compactor"_s);
    auto *compactor = new StoreCompactor;
    compactor->moveToThread(m_compactorThread);
    connect(m_compactorThread, &QThread::finished, compactor, &QObject::deleteLater);
    connect(m_writer, &StoreWriter::compact, compactor, &StoreCompactor::compact);
    connect(compactor, &StoreCompactor::compacted, m_writer, &StoreWriter::compacted);

    m_thread->start();
    m_compactorThread->start(QThread::LowPriority);

    m_path = defaultPath();
    // Opening the earlier store parses all of it: only before the first copy.
    if (!QDir(m_path).exists()) {
        QSettings legacy;
        if (!legacy.childGroups().isEmpty())
            importLegacy(legacy, m_path);
    }
    // Earlier versions wrote the store with the umask's modes.
    PrivateFiles::restrictTree(m_path);
    FileTrust::addProgramFolder(m_path);
}

SettingsStore::~SettingsStore()
{
    flush();
    // A compaction under way ends first; its file is put in place before
    // the logs left are folded in.
    m_compactorThread->quit();
    m_compactorThread->wait();
    std::pair<int, QString> left;
    QMetaObject::invokeMethod(
            m_writer,
            [writer = m_writer, &left] {
                writer->finish();
                left = writer->unwritten();
            },
            Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    if (left.first > 0)
        qWarning("SettingsStore: %d key(s) could not be saved: %s", left.first,
                 qPrintable(left.second));
}

QString SettingsStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + u"/store"_s;
}

void SettingsStore::setPath(const QString &path)
{
    if (path == m_path)
        return;
    // Changes made so far belong to the old folder.
    flush();
    m_lengths.clear();
    m_path = path;
    PrivateFiles::restrictTree(m_path);
    FileTrust::addProgramFolder(m_path);
    emit pathChanged();
}

void SettingsStore::setDelayMs(int ms)
{
    if (ms == m_timer.interval())
        return;
    m_timer.setInterval(qMax(0, ms));
    emit delayMsChanged();
}

bool SettingsStore::validName(const QString &name)
{
    if (name.isEmpty() || name.size() > 64)
        return false;
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != u'_')
            return false;
    }
    return true;
}

QJsonValue SettingsStore::read(const QString &group, const QString &key)
{
    if (!validName(group) || !validName(key))
        return QJsonValue::Undefined;
    const QString name = group + u'/' + key;
    const auto pending = m_pending.constFind(name);
    if (pending != m_pending.cend() && pending->splices.isEmpty())
        return pending->value;
    // The writer reads after what it was given: the files and the changes
    // it could not write yet, as they will be.
    if (!m_pending.isEmpty()) {
        m_timer.stop();
        handOver(Qt::QueuedConnection, false);
    }
    QJsonValue value;
    QMetaObject::invokeMethod(
            m_writer,
            [&value, writer = m_writer, path = m_path, &group, &key] {
                value = writer->load(path, group, key);
            },
            Qt::BlockingQueuedConnection);
    rememberLength(name, value);
    return value;
}

void SettingsStore::rememberLength(const QString &name, const QJsonValue &value)
{
    if (value.isArray())
        m_lengths.insert(name, value.toArray().size());
    else
        m_lengths.remove(name);
}

void SettingsStore::write(const QString &group, const QString &key, const QJsonValue &value)
{
    if (!validName(group) || !validName(key)) {
        qWarning("SettingsStore: invalid key name %s/%s", qPrintable(group), qPrintable(key));
        return;
    }
    const QString name = group + u'/' + key;
    m_pending.insert(name, StoreChange{true, value, {}});
    rememberLength(name, value);
    // The first change of a burst starts the wait; later ones do not extend it.
    if (!m_timer.isActive())
        m_timer.start();
    updatePending();
}

QJSValue SettingsStore::value(const QString &group, const QString &key)
{
    QJSEngine *engine = qjsEngine(this);
    const QJsonValue stored = read(group, key);
    if (!engine || stored.isUndefined())
        return QJSValue(QJSValue::UndefinedValue);
    // Lists of records share their repeated texts.
    if (stored.isArray())
        return SharedScriptValues(engine).fromJson(stored);
    return engine->toScriptValue(stored);
}

void SettingsStore::setValue(const QString &group, const QString &key, const QJSValue &value)
{
    QJSEngine *engine = qjsEngine(this);
    write(group, key,
          value.isUndefined() || value.isNull() || !engine
                  ? QJsonValue(QJsonValue::Undefined)
                  : engine->fromScriptValue<QJsonValue>(value));
}

QByteArray SettingsStore::encodedElement(const QJsonValue &value)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.sliced(1, wrapped.size() - 2);
}

bool SettingsStore::splice(const QString &group, const QString &key, qsizetype start,
                           qsizetype deleteCount, QList<QByteArray> elements)
{
    if (!validName(group) || !validName(key))
        return false;
    const QString name = group + u'/' + key;
    if (!m_lengths.contains(name))
        read(group, key);
    const auto length = m_lengths.constFind(name);
    if (length == m_lengths.cend() || start < 0 || deleteCount < 0 || start > *length
        || deleteCount > *length - start)
        return false;
    m_lengths.insert(name, *length - deleteCount + elements.size());
    addSplice(name, StoreSplice{start, deleteCount, std::move(elements)});
    return true;
}

void SettingsStore::addSplice(const QString &name, StoreSplice splice)
{
    m_pending[name].splices.append(std::move(splice));
    if (!m_timer.isActive())
        m_timer.start();
    updatePending();
}

void SettingsStore::startWriting()
{
    if (!m_pending.isEmpty())
        handOver(Qt::QueuedConnection, false);
}

void SettingsStore::flush()
{
    m_timer.stop();
    // Blocks until the writer has done what was queued before and this batch.
    handOver(Qt::BlockingQueuedConnection, true);
}

void SettingsStore::saveNow()
{
    m_timer.stop();
    handOver(Qt::QueuedConnection, true);
    QMetaObject::invokeMethod(m_writer, &StoreWriter::reportSaved, Qt::QueuedConnection);
}

void SettingsStore::handOver(Qt::ConnectionType type, bool retryNow)
{
    QHash<QString, StoreChange> batch;
    batch.swap(m_pending);
    ++*m_writing;
    QMetaObject::invokeMethod(
            m_writer,
            [writer = m_writer, path = m_path, batch, writing = m_writing, retryNow] {
                writer->write(path, batch, retryNow);
                --*writing;
                writer->report();
            },
            type);
}

bool SettingsStore::pending() const
{
    return !m_pending.isEmpty() || m_writing->load() > 0 || m_unwrittenKeys > 0;
}

void SettingsStore::writerSettled(int unwrittenKeys, const QString &error)
{
    m_unwrittenKeys = unwrittenKeys;
    if (error != m_writeError) {
        m_writeError = error;
        emit writeErrorChanged();
    }
    updatePending();
}

void SettingsStore::updatePending()
{
    const bool now = pending();
    if (now == m_pendingShown)
        return;
    m_pendingShown = now;
    emit pendingChanged();
}

bool SettingsStore::importLegacy(QSettings &legacy, const QString &storePath)
{
    if (QDir(storePath).exists())
        return false;
    const QStringList groups = legacy.childGroups();
    for (const QString &group : groups) {
        if (!validName(group))
            continue;
        legacy.beginGroup(group);
        const QStringList keys = legacy.childKeys();
        for (const QString &key : keys) {
            const QVariant stored = legacy.value(key);
            if (validName(key) && stored.isValid())
                writeWhole(storePath, group, key, QJsonValue::fromVariant(stored), 0);
        }
        legacy.endGroup();
    }
    return PrivateFiles::makeFolder(storePath);
}

#include "SettingsStore.moc"
