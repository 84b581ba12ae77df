#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

namespace QKeychain {
class Job;
}

// The program's secrets (account passwords, later sign-in tokens), kept in
// the system's keychain: the Secret Service on Linux, the Credential Manager
// on Windows. Where no keychain answers, they are kept in a file only the
// user can read, and `backend` says so, so that the interface can tell the
// user; it never falls back silently.
//
// Keychain calls are jobs that answer later: every operation is queued and
// run one after the other, and what was read or set is held in memory, so
// secret() answers at once.
class SecretStore : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The keychain's service name under which every secret is kept.
    Q_PROPERTY(QString service READ service WRITE setService NOTIFY serviceChanged)
    // Where secrets go when no keychain answers (an owner-only file).
    Q_PROPERTY(
            QString fallbackFile READ fallbackFile WRITE setFallbackFile NOTIFY fallbackFileChanged)
    Q_PROPERTY(Backend backend READ backend NOTIFY backendChanged)
    // Every secret asked for by load() has been read.
    Q_PROPERTY(bool ready READ ready NOTIFY readyChanged)
    // Longest wait for one keychain answer before it counts as not answering.
    Q_PROPERTY(int timeLimit READ timeLimit WRITE setTimeLimit NOTIFY timeLimitChanged)

public:
    enum Backend { Unknown, Keychain, File };
    Q_ENUM(Backend)

    explicit SecretStore(QObject *parent = nullptr);
    ~SecretStore() override;

    QString service() const { return m_service; }
    void setService(const QString &service);
    QString fallbackFile() const { return m_fallbackFile; }
    void setFallbackFile(const QString &path);
    Backend backend() const { return m_backend; }
    bool ready() const { return m_pendingReads == 0 && m_backend != Unknown; }
    int timeLimit() const { return m_deadline.interval(); }
    void setTimeLimit(int ms);

    // Reads these secrets into memory; `ready` turns true once all answered.
    Q_INVOKABLE void load(const QStringList &names);
    // The secret held for `name`, "" when there is none (or not yet read).
    Q_INVOKABLE QString secret(const QString &name) const;
    // Keeps the secret (in memory at once, then in the keychain or the
    // file); stored() reports the outcome.
    Q_INVOKABLE void setSecret(const QString &name, const QString &value);
    Q_INVOKABLE void removeSecret(const QString &name);

signals:
    void serviceChanged();
    void fallbackFileChanged();
    void backendChanged();
    void readyChanged();
    void timeLimitChanged();
    // A setSecret() or removeSecret() is on disk (or failed, with the reason).
    void stored(const QString &name, bool ok, const QString &reason);

private:
    struct Operation
    {
        enum Kind { Probe, Read, Write, Remove } kind;
        QString name;
        QString value;
    };

    void enqueue(Operation operation);
    void next();
    void startJob(QKeychain::Job *job);
    void jobFinished(QKeychain::Job *job);
    void timedOut();
    void finishOperation(const QString &value, const QString &error);
    void setBackend(Backend backend);
    // The fallback file's secrets; written whole, atomically, owner-only.
    QHash<QString, QString> readFile() const;
    QString writeFile(const QHash<QString, QString> &secrets) const;
    QString keepInFile(const QString &name, const QString *value);

    QString m_service = QStringLiteral("Parvane");
    QString m_fallbackFile;
    Backend m_backend = Unknown;
    QHash<QString, QString> m_secrets;
    QList<Operation> m_queue;
    bool m_running = false;
    QPointer<QKeychain::Job> m_job;
    QTimer m_deadline;
    int m_pendingReads = 0;
};
