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
// <config>/Velmora/Parvane/store/<group>/<key>.json. A change is on disk
// within about 50 ms whatever the size of its key (a burst of changes is
// written once, never postponed indefinitely), and the encoding and file
// writing run on a writer thread. A key is replaced whole and atomically; the
// changes to a range of a long list are appended to the key's log instead
// (see StoreFiles), which a background pass folds back into the key file, so
// a crash leaves every key as it was after some batch, never torn.
//
// A write that fails (a full disk) is tried again, later and later, until
// it succeeds; `pending` and `writeError` say meanwhile that changes wait.
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
    // Changes are not all on disk yet: waiting for their moment, being
    // written, or waiting to be tried again after a failure.
    Q_PROPERTY(bool pending READ pending NOTIFY pendingChanged)
    // Why the latest writing failed; empty once everything is written.
    Q_PROPERTY(QString writeError READ writeError NOTIFY writeErrorChanged)

public:
    explicit SettingsStore(QObject *parent = nullptr);
    ~SettingsStore() override;

    static QString defaultPath();

    QString path() const { return m_path; }
    void setPath(const QString &path);
    int delayMs() const { return m_timer.interval(); }
    void setDelayMs(int ms);
    bool pending() const;
    QString writeError() const { return m_writeError; }

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
    // Writes every pending change now and returns once the writer has tried
    // (changes that failed are still tried again later).
    Q_INVOKABLE void flush();
    // The same without waiting: the writer tries every pending change now,
    // failed ones included, and reports by saveFinished.
    Q_INVOKABLE void saveNow();

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
    // Said once when a key starts failing, and again when the reason changes.
    void writeFailed(const QString &group, const QString &key, const QString &reason);
    void pendingChanged();
    void writeErrorChanged();
    // The end of saveNow(): ok when every change is on disk, else the reason.
    void saveFinished(bool ok, const QString &error);

private:
    void startWriting();
    void addSplice(const QString &name, StoreSplice splice);
    // Keeps the length splice() checks against, for an array value.
    void rememberLength(const QString &name, const QJsonValue &value);
    // Gives the pending changes to the writer thread; with retryNow, failed
    // changes are tried again at once too.
    void handOver(Qt::ConnectionType type, bool retryNow);
    // The writer's report after a batch: keys with unwritten changes, and why.
    void writerSettled(int unwrittenKeys, const QString &error);
    void updatePending();
    static bool validName(const QString &name);

    QString m_path;
    // Changes waiting for the timer, by "group/key": a whole value, then the
    // splices made after it, in order.
    QHash<QString, StoreChange> m_pending;
    // The length of every array read or written, by "group/key": what
    // splice() checks a range against. The writer keeps the records.
    QHash<QString, qsizetype> m_lengths;
    QString m_writeError;
    int m_unwrittenKeys = 0;
    bool m_pendingShown = false;
    // Batches handed to the writer and not yet written.
    std::shared_ptr<std::atomic<int>> m_writing = std::make_shared<std::atomic<int>>(0);
    QTimer m_timer;
    QThread *m_thread = nullptr;
    StoreWriter *m_writer = nullptr;
    QThread *m_compactorThread = nullptr;
};
