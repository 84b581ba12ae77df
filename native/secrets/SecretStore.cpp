#include "secrets/SecretStore.h"

#include "files/PrivateFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <qt6keychain/keychain.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// The name the probe reads: its absence is an answer too.
constexpr auto probeName = "parvane-probe"_L1;

} // namespace

SecretStore::SecretStore(QObject *parent) : QObject(parent)
{
    // A keychain that must first be started over D-Bus answers within a
    // second or two; one that never answers must not hold the accounts.
    m_deadline.setInterval(10000);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, &SecretStore::timedOut);
}

SecretStore::~SecretStore() = default;

void SecretStore::setService(const QString &service)
{
    if (service == m_service)
        return;
    m_service = service;
    emit serviceChanged();
}

void SecretStore::setFallbackFile(const QString &path)
{
    if (path == m_fallbackFile)
        return;
    m_fallbackFile = path;
    emit fallbackFileChanged();
}

void SecretStore::setTimeLimit(int ms)
{
    if (ms == m_deadline.interval())
        return;
    m_deadline.setInterval(qMax(1, ms));
    emit timeLimitChanged();
}

void SecretStore::load(const QStringList &names)
{
    for (const QString &name : names) {
        ++m_pendingReads;
        enqueue({Operation::Read, name, {}});
    }
    if (names.isEmpty() && m_backend == Unknown && m_queue.isEmpty() && !m_running)
        enqueue({Operation::Probe, {}, {}});
}

QString SecretStore::secret(const QString &name) const
{
    return m_secrets.value(name);
}

void SecretStore::setSecret(const QString &name, const QString &value)
{
    m_secrets.insert(name, value);
    enqueue({Operation::Write, name, value});
}

void SecretStore::removeSecret(const QString &name)
{
    m_secrets.remove(name);
    enqueue({Operation::Remove, name, {}});
}

void SecretStore::enqueue(Operation operation)
{
    // Which keychain there is, is learnt once, before anything else.
    if (m_backend == Unknown && !m_running && m_queue.isEmpty()
        && operation.kind != Operation::Probe)
        m_queue.append({Operation::Probe, {}, {}});
    m_queue.append(std::move(operation));
    next();
}

void SecretStore::next()
{
    while (!m_running && !m_queue.isEmpty()) {
        const Operation &operation = m_queue.first();
        if (m_backend == File) {
            m_running = true;
            if (operation.kind == Operation::Read) {
                finishOperation(readFile().value(operation.name), {});
            } else if (operation.kind == Operation::Probe) {
                finishOperation({}, {});
            } else {
                const QString error = keepInFile(operation.name, operation.kind == Operation::Write
                                                                         ? &operation.value
                                                                         : nullptr);
                finishOperation({}, error);
            }
            continue;
        }
        QKeychain::Job *job = nullptr;
        switch (operation.kind) {
        case Operation::Probe: {
            auto *read = new QKeychain::ReadPasswordJob(m_service);
            read->setKey(probeName);
            job = read;
            break;
        }
        case Operation::Read:
            job = new QKeychain::ReadPasswordJob(m_service);
            job->setKey(operation.name);
            break;
        case Operation::Write: {
            auto *write = new QKeychain::WritePasswordJob(m_service);
            write->setKey(operation.name);
            write->setTextData(operation.value);
            job = write;
            break;
        }
        case Operation::Remove:
            job = new QKeychain::DeletePasswordJob(m_service);
            job->setKey(operation.name);
            break;
        }
        startJob(job);
    }
}

void SecretStore::startJob(QKeychain::Job *job)
{
    m_running = true;
    m_job = job;
    job->setAutoDelete(true);
    // Never the library's own plain-text store: the fallback is ours, and told.
    job->setInsecureFallback(false);
    connect(job, &QKeychain::Job::finished, this, &SecretStore::jobFinished);
    m_deadline.start();
    job->start();
}

void SecretStore::jobFinished(QKeychain::Job *job)
{
    if (job != m_job)
        return; // an answer that came after its time limit
    m_deadline.stop();
    m_job = nullptr;
    const Operation &operation = m_queue.first();
    const QKeychain::Error error = job->error();
    const bool absent = error == QKeychain::EntryNotFound;
    if (error != QKeychain::NoError && !(absent && operation.kind != Operation::Write)) {
        // The keychain does not answer as it should: the file from now on,
        // and the same operation again there.
        qWarning("Keychain: %s", qPrintable(job->errorString()));
        m_running = false;
        setBackend(File);
        next();
        return;
    }
    if (m_backend == Unknown)
        setBackend(Keychain);
    QString value;
    QString fileError;
    if (operation.kind == Operation::Read) {
        // A secret kept while the keychain was away is still in the file.
        value = absent ? readFile().value(operation.name)
                       : static_cast<QKeychain::ReadPasswordJob *>(job)->textData();
    } else if (operation.kind == Operation::Write || operation.kind == Operation::Remove) {
        // Once in the keychain, the file's copy goes.
        if (readFile().contains(operation.name))
            fileError = keepInFile(operation.name, nullptr);
    }
    finishOperation(value, fileError);
    next();
}

void SecretStore::timedOut()
{
    if (!m_job)
        return;
    qWarning("Keychain: no answer within %d ms", m_deadline.interval());
    disconnect(m_job, nullptr, this, nullptr);
    m_job = nullptr;
    m_running = false;
    setBackend(File);
    next();
}

void SecretStore::finishOperation(const QString &value, const QString &error)
{
    const Operation operation = m_queue.takeFirst();
    m_running = false;
    switch (operation.kind) {
    case Operation::Probe:
        break;
    case Operation::Read:
        // A value set meanwhile is newer than the one read.
        if (!value.isEmpty() && !m_secrets.contains(operation.name))
            m_secrets.insert(operation.name, value);
        if (--m_pendingReads == 0 && m_backend != Unknown)
            emit readyChanged();
        break;
    case Operation::Write:
    case Operation::Remove:
        emit stored(operation.name, error.isEmpty(), error);
        break;
    }
}

void SecretStore::setBackend(Backend backend)
{
    if (backend == m_backend)
        return;
    const bool wasReady = ready();
    m_backend = backend;
    emit backendChanged();
    if (ready() != wasReady)
        emit readyChanged();
}

QHash<QString, QString> SecretStore::readFile() const
{
    QHash<QString, QString> secrets;
    QFile file(m_fallbackFile);
    if (m_fallbackFile.isEmpty() || file.size() > 1024 * 1024 || !file.open(QIODevice::ReadOnly))
        return secrets;
    const QJsonObject stored = QJsonDocument::fromJson(file.readAll()).object();
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        if (it.value().isString())
            secrets.insert(it.key(), it.value().toString());
    }
    return secrets;
}

QString SecretStore::writeFile(const QHash<QString, QString> &secrets) const
{
    if (m_fallbackFile.isEmpty())
        return u"no file for the secrets"_s;
    if (secrets.isEmpty()) {
        if (QFile::exists(m_fallbackFile) && !QFile::remove(m_fallbackFile))
            return u"the file of secrets could not be removed"_s;
        return {};
    }
    QJsonObject object;
    for (auto it = secrets.begin(); it != secrets.end(); ++it)
        object.insert(it.key(), it.value());
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
    if (!PrivateFiles::makeFolder(QFileInfo(m_fallbackFile).absolutePath()))
        return u"the folder could not be created"_s;
    QSaveFile out(m_fallbackFile);
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    // Owner-only before a single byte is written.
    if (!PrivateFiles::restrict(out) || out.write(bytes) != bytes.size() || !out.commit())
        return out.errorString();
    return {};
}

QString SecretStore::keepInFile(const QString &name, const QString *value)
{
    QHash<QString, QString> secrets = readFile();
    if (value)
        secrets.insert(name, *value);
    else if (!secrets.remove(name))
        return {};
    return writeFile(secrets);
}
