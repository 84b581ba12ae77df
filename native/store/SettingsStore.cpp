#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QJSEngine>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QThread>

#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace {

QString keyFile(const QString &storePath, const QString &group, const QString &key)
{
    return storePath + u'/' + group + u'/' + key + u".json"_s;
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
    if (!QDir().mkpath(storePath + u'/' + group))
        return u"the folder could not be created"_s;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    const QByteArray bytes = QJsonDocument(QJsonObject{{u"value"_s, value}})
                                     .toJson(QJsonDocument::Compact);
    if (out.write(bytes) != bytes.size() || !out.flush() || !out.commit())
        return out.errorString();
    return {};
}

} // namespace

// Lives on the writer thread; batches arrive in the order they were made.
class StoreWriter : public QObject
{
    Q_OBJECT
public:
    void write(const QString &storePath, const QHash<QString, QJsonValue> &batch)
    {
        for (auto it = batch.cbegin(); it != batch.cend(); ++it) {
            const QString group = it.key().section(u'/', 0, 0);
            const QString key = it.key().section(u'/', 1);
            const QString reason = writeKey(storePath, group, key, it.value());
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
    m_thread->start();

    m_path = defaultPath();
    // Opening the earlier store parses all of it: only before the first copy.
    if (!QDir(m_path).exists()) {
        QSettings legacy;
        if (!legacy.childGroups().isEmpty())
            importLegacy(legacy, m_path);
    }
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
    m_path = path;
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

QJsonValue SettingsStore::read(const QString &group, const QString &key) const
{
    if (!validName(group) || !validName(key))
        return QJsonValue::Undefined;
    const auto pending = m_pending.constFind(group + u'/' + key);
    if (pending != m_pending.cend())
        return pending.value();
    QFile file(keyFile(m_path, group, key));
    if (!file.open(QIODevice::ReadOnly))
        return QJsonValue::Undefined;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    // A file edited by hand into something else reads as no value.
    return document.isObject() ? document.object().value(u"value"_s) : QJsonValue::Undefined;
}

void SettingsStore::write(const QString &group, const QString &key, const QJsonValue &value)
{
    if (!validName(group) || !validName(key)) {
        qWarning("SettingsStore: invalid key name %s/%s", qPrintable(group), qPrintable(key));
        return;
    }
    m_pending.insert(group + u'/' + key, value);
    // The first change of a burst starts the wait; later ones do not extend it.
    if (!m_timer.isActive())
        m_timer.start();
}

QJSValue SettingsStore::value(const QString &group, const QString &key) const
{
    QJSEngine *engine = qjsEngine(this);
    const QJsonValue stored = read(group, key);
    if (!engine || stored.isUndefined())
        return QJSValue(QJSValue::UndefinedValue);
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
    QHash<QString, QJsonValue> batch;
    batch.swap(m_pending);
    QMetaObject::invokeMethod(
            m_writer, [writer = m_writer, path = m_path, batch] { writer->write(path, batch); },
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
    return QDir().mkpath(storePath);
}

#include "SettingsStore.moc"
