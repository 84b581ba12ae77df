#include "SettingsStore.h"

#include "ScriptTexts.h"
#include "files/FileTrust.h"
#include "files/PrivateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QJSEngine>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <functional>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

QString keyFile(const QString &storePath, const QString &group, const QString &key)
{
    return storePath + u'/' + group + u'/' + key + u".json"_s;
}

// One key's stored value; undefined when there is none or the file was
// edited by hand into something else.
QJsonValue readKeyFile(const QString &storePath, const QString &group, const QString &key)
{
    QFile file(keyFile(storePath, group, key));
    if (!file.open(QIODevice::ReadOnly))
        return QJsonValue::Undefined;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.isObject() ? document.object().value(u"value"_s) : QJsonValue::Undefined;
}

// Why a file could not be written: the device's own text, or the system's
// when the device has none (a full disk reads "Unknown error" otherwise).
QString writeError(const QFileDevice &file, int code)
{
    const QString text = file.errorString();
    if (code != 0 && (text.isEmpty() || text == "Unknown error"_L1))
        return QString::fromLocal8Bit(std::strerror(code));
    return text;
}

// Replaces one key's file atomically with what `content` writes into it.
QString writeFile(const QString &storePath, const QString &group, const QString &key,
                  const std::function<bool(QSaveFile &)> &content)
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

// Writes one key's file, replacing it atomically; an absent value removes it.
QString writeKey(const QString &storePath, const QString &group, const QString &key,
                 const QJsonValue &value)
{
    const QString file = keyFile(storePath, group, key);
    if (value.isUndefined() || value.isNull()) {
        if (QFile::exists(file) && !QFile::remove(file))
            return u"the old value could not be removed"_s;
        return {};
    }
    const QByteArray bytes = QJsonDocument(QJsonObject{{u"value"_s, value}})
                                     .toJson(QJsonDocument::Compact);
    return writeFile(storePath, group, key,
                     [&bytes](QSaveFile &out) { return out.write(bytes) == bytes.size(); });
}

QList<QByteArray> encodedElements(const QJsonArray &array)
{
    QList<QByteArray> elements;
    elements.reserve(array.size());
    for (const QJsonValue &value : array)
        elements.append(SettingsStore::encodedElement(value));
    return elements;
}

// Replaces one key's file atomically with an array given element by element,
// written as it goes rather than joined in memory first.
QString writeElements(const QString &storePath, const QString &group, const QString &key,
                      const QList<QByteArray> &elements)
{
    return writeFile(storePath, group, key, [&elements](QSaveFile &out) {
        bool written = out.write("{\"value\":[") >= 0;
        for (qsizetype i = 0; written && i < elements.size(); ++i)
            written = (i == 0 || out.write(",", 1) == 1)
                      && out.write(elements.at(i)) == elements.at(i).size();
        return written && out.write("]}") == 2;
    });
}

} // namespace

// Lives on the writer thread; batches arrive in the order they were made.
// It keeps the elements of the arrays it wrote as text, so that a splice
// encodes only the elements it brings.
class StoreWriter : public QObject
{
    Q_OBJECT
public:
    void write(const QString &storePath, const QHash<QString, StoreChange> &batch)
    {
        // The elements are kept for the changes that follow one another
        // (typing, a run of edits); a store left alone gives their memory back.
        if (!m_forget) {
            m_forget = new QTimer(this);
            m_forget->setSingleShot(true);
            m_forget->setInterval(30 * 1000);
            connect(m_forget, &QTimer::timeout, this, [this] {
                // Elements not yet on disk are the only copy of their list.
                m_elements.removeIf(
                        [this](const auto &entry) { return !m_unwritten.contains(entry.key()); });
#ifdef __GLIBC__
                malloc_trim(0);
#endif
            });
        }
        m_forget->start();
        if (storePath != m_storePath) {
            m_elements.clear();
            m_unwritten.clear();
            m_broken.clear();
            m_storePath = storePath;
        }
        for (auto it = batch.cbegin(); it != batch.cend(); ++it) {
            const QString group = it.key().section(u'/', 0, 0);
            const QString key = it.key().section(u'/', 1);
            const QString reason = apply(it.key(), group, key, it.value());
            if (!reason.isEmpty())
                emit failed(group, key, reason);
        }
#ifdef __GLIBC__
        // Encoding a large list leaves megabytes free in this thread's heap;
        // hand them back rather than keep them for the next write.
        malloc_trim(0);
#endif
    }

signals:
    void failed(const QString &group, const QString &key, const QString &reason);

private:
    QString apply(const QString &name, const QString &group, const QString &key,
                  const StoreChange &change)
    {
        if (change.set) {
            m_elements.remove(name);
            m_unwritten.remove(name);
            m_broken.remove(name);
            if (!change.value.isArray())
                return writeKey(m_storePath, group, key, change.value);
            m_elements.insert(name, encodedElements(change.value.toArray()));
        } else if (m_broken.contains(name)) {
            return u"the stored list waits to be written whole again"_s;
        }
        auto elements = m_elements.find(name);
        if (elements == m_elements.end()) {
            const QJsonValue stored = readKeyFile(m_storePath, group, key);
            if (!stored.isArray())
                return u"the stored list could not be read again"_s;
            elements = m_elements.insert(name, encodedElements(stored.toArray()));
        }
        const QList<StoreSplice> &splices = change.splices;
        for (qsizetype first = 0; first < splices.size();) {
            // Splices that each end before the previous one starts all refer
            // to the list as it was: they are applied in one pass, so that
            // ten thousand of them cost one copy of the list, not one each.
            qsizetype end = first + 1;
            while (end < splices.size()
                   && splices[end].start + splices[end].deleteCount <= splices[end - 1].start)
                ++end;
            const StoreSplice &highest = splices[first];
            const StoreSplice &lowest = splices[end - 1];
            if (lowest.start < 0 || lowest.deleteCount < 0 || highest.deleteCount < 0
                || highest.start > elements->size()
                || highest.deleteCount > elements->size() - highest.start) {
                // The list here is not the one the change was made to: no
                // splice of it can be trusted until a whole value comes.
                m_elements.erase(elements);
                m_unwritten.remove(name);
                m_broken.insert(name);
                return u"the stored list does not match the change"_s;
            }
            if (end - first == 1) {
                elements->remove(highest.start, highest.deleteCount);
                elements->insert(highest.start, highest.elements.size(), QByteArray());
                std::copy(highest.elements.cbegin(), highest.elements.cend(),
                          elements->begin() + highest.start);
            } else {
                QList<QByteArray> result;
                result.reserve(elements->size());
                qsizetype from = 0;
                for (qsizetype i = end - 1; i >= first; --i) {
                    const StoreSplice &splice = splices[i];
                    for (qsizetype k = from; k < splice.start; ++k)
                        result.append(std::move((*elements)[k]));
                    result.append(splice.elements);
                    from = splice.start + splice.deleteCount;
                }
                for (qsizetype k = from; k < elements->size(); ++k)
                    result.append(std::move((*elements)[k]));
                *elements = std::move(result);
            }
            first = end;
        }
        const QString reason = writeElements(m_storePath, group, key, *elements);
        if (!reason.isEmpty()) {
            // The file is behind: these elements are the list as it is.
            m_unwritten.insert(name);
            return reason;
        }
        m_unwritten.remove(name);
        // A long array is read back from its file at its next change rather
        // than held here: it would double the memory its records take.
        qsizetype bytes = 0;
        for (const QByteArray &element : std::as_const(*elements))
            bytes += element.size();
        if (bytes > 4 * 1024 * 1024)
            m_elements.erase(elements);
        return {};
    }

    QString m_storePath;
    QHash<QString, QList<QByteArray>> m_elements;
    QSet<QString> m_unwritten; // elements whose last writing failed
    QSet<QString> m_broken;    // splices refused until a whole value comes
    QTimer *m_forget = nullptr;
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
    connect(m_writer, &StoreWriter::failed, this,
            [this](const QString &group, const QString &key, const QString &reason) {
                // The next change of the key is stored whole, which mends the file.
                m_unsplicable.insert(group + u'/' + key);
                emit writeFailed(group, key, reason);
            });
    m_thread->start();

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
    m_thread->quit();
    m_thread->wait();
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
    m_unsplicable.clear();
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
    if (pending != m_pending.cend()) {
        if (pending->splices.isEmpty())
            return pending->value;
        // Only the writer holds the spliced list: read it once written.
        flush();
    } else if (m_writing->load() > 0) {
        // A batch still being written would leave the file behind what was set.
        flush();
    }
    const QJsonValue value = readKeyFile(m_path, group, key);
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
    m_unsplicable.remove(name);
    m_pending.insert(name, StoreChange{true, value, {}});
    rememberLength(name, value);
    // The first change of a burst starts the wait; later ones do not extend it.
    if (!m_timer.isActive())
        m_timer.start();
}

QJSValue SettingsStore::value(const QString &group, const QString &key)
{
    QJSEngine *engine = qjsEngine(this);
    const QJsonValue stored = read(group, key);
    if (!engine || stored.isUndefined())
        return QJSValue(QJSValue::UndefinedValue);
    // Lists of records share their repeated texts.
    if (stored.isArray())
        return ScriptTexts(engine).fromJson(stored);
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
    if (m_unsplicable.contains(name))
        return false;
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
}

void SettingsStore::startWriting()
{
    if (!m_pending.isEmpty())
        handOver(Qt::QueuedConnection);
}

void SettingsStore::flush()
{
    m_timer.stop();
    // Blocks until the writer has done what was queued before and this batch.
    handOver(Qt::BlockingQueuedConnection);
}

void SettingsStore::handOver(Qt::ConnectionType type)
{
    QHash<QString, StoreChange> batch;
    batch.swap(m_pending);
    ++*m_writing;
    QMetaObject::invokeMethod(
            m_writer,
            [writer = m_writer, path = m_path, batch, writing = m_writing] {
                writer->write(path, batch);
                --*writing;
            },
            type);
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
                writeKey(storePath, group, key, QJsonValue::fromVariant(stored));
        }
        legacy.endGroup();
    }
    return PrivateFiles::makeFolder(storePath);
}

#include "SettingsStore.moc"
