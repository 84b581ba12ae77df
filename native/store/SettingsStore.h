#pragma once

#include <QHash>
#include <QJSValue>
#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <atomic>
#include <memory>

class QSettings;
class QThread;
class StoreWriter;

// A range of a stored array replaced by new records.
struct StoreSplice
{
    qsizetype start = 0;
    qsizetype deleteCount = 0;
    QList<QByteArray> elements; // the new elements, each as compact JSON text
};

// What a batch does to one key: set it (when `set`), then apply the splices.
struct StoreChange
{
    bool set = false;
    QJsonValue value;
    QList<StoreSplice> splices;
};

// The program's lasting state, one file per stored key under
// <config>/Velmora/Parvane/store/<group>/<key>.json. A change is written
// within about 50 ms (a burst of changes is written once, never postponed
// indefinitely), only the keys that changed are written, and the encoding and
// file writing run on a writer thread. Each file is replaced atomically, so a
// crash leaves every key either as it was or as it became.
//
// The first time a store folder is opened, every group of the program's
// earlier single-file settings store is copied into it; that file itself is
// left as it was.
class SettingsStore : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The store folder; the default is the application's configuration folder.
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    // Milliseconds between a change and its writing.
    Q_PROPERTY(int delayMs READ delayMs WRITE setDelayMs NOTIFY delayMsChanged)

public:
    explicit SettingsStore(QObject *parent = nullptr);
    ~SettingsStore() override;

    static QString defaultPath();

    QString path() const { return m_path; }
    void setPath(const QString &path);
    int delayMs() const { return m_timer.interval(); }
    void setDelayMs(int ms);

    // The stored value, or undefined when the key has none. A value still
    // waiting to be written is returned as it will be written.
    Q_INVOKABLE QJSValue value(const QString &group, const QString &key);
    // Stores the value; undefined or null removes the key.
    Q_INVOKABLE void setValue(const QString &group, const QString &key, const QJSValue &value);
    // Replaces deleteCount elements of a stored array from start with the
    // elements, each already encoded (see encodedElement): changing one
    // record of a long list costs that record, not the list. False, changing
    // nothing, when the key holds no array or the range lies outside it; the
    // caller then stores the whole value.
    bool splice(const QString &group, const QString &key, qsizetype start, qsizetype deleteCount,
                QList<QByteArray> elements);
    // One array element as the splices take it: compact JSON text.
    static QByteArray encodedElement(const QJsonValue &value);
    // Writes every pending change now and returns once all are on disk.
    Q_INVOKABLE void flush();

    // The same, for native callers and tests.
    QJsonValue read(const QString &group, const QString &key);
    void write(const QString &group, const QString &key, const QJsonValue &value);

    // Copies the groups of a settings store of the earlier kind into the
    // store folder, unless that folder already exists. True when copied.
    static bool importLegacy(QSettings &legacy, const QString &storePath);

signals:
    void pathChanged();
    void delayMsChanged();
    // A key could not be written (a full disk, a folder without rights).
    void writeFailed(const QString &group, const QString &key, const QString &reason);

private:
    void startWriting();
    void addSplice(const QString &name, StoreSplice splice);
    // Keeps the length splice() checks against, for an array value.
    void rememberLength(const QString &name, const QJsonValue &value);
    // Gives the pending changes to the writer thread.
    void handOver(Qt::ConnectionType type);
    static bool validName(const QString &name);

    QString m_path;
    // Changes waiting for the timer, by "group/key": a whole value, then the
    // splices made after it, in order.
    QHash<QString, StoreChange> m_pending;
    // The length of every array read or written, by "group/key": what
    // splice() checks a range against. The writer keeps the records.
    QHash<QString, qsizetype> m_lengths;
    // Keys whose last writing failed: stored whole at their next change.
    QSet<QString> m_unsplicable;
    // Batches handed to the writer and not yet written.
    std::shared_ptr<std::atomic<int>> m_writing = std::make_shared<std::atomic<int>>(0);
    QTimer m_timer;
    QThread *m_thread = nullptr;
    StoreWriter *m_writer = nullptr;
};
