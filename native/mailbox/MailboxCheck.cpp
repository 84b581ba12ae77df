#include "mailbox/MailboxCheck.h"

#include "run/DeliveryThread.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QThread>

#include <vmime/net/imap/IMAPFolderStatus.hpp>
#include <vmime/vmime.hpp>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

// Headers are asked for this many messages at a time: a big mailbox is read
// in steps, each of them one exchange with the server.
constexpr std::size_t headerBatch = 500;
// What is kept of a report for the user to read again: its parts that
// matter come first, the original message it returns last.
constexpr qsizetype keptReportBytes = 256 * 1024;

std::string utf8(const QString &text)
{
    return text.toStdString();
}

// A server silent for longer than the limit, or a check given up, ends the
// exchange: VMime looks here while it waits on the connection.
class Timeout : public vmime::net::timeoutHandler
{
public:
    Timeout(int limitMs, const std::atomic_bool &cancelled)
        : m_limitMs(limitMs), m_cancelled(cancelled)
    {
        m_clock.start();
    }
    bool isTimeOut() override { return m_cancelled || m_clock.elapsed() > m_limitMs; }
    void resetTimeOut() override { m_clock.restart(); }
    bool handleTimeOut() override { return false; } // never wait longer

private:
    int m_limitMs;
    const std::atomic_bool &m_cancelled;
    QElapsedTimer m_clock;
};

class TimeoutFactory : public vmime::net::timeoutHandlerFactory
{
public:
    TimeoutFactory(int limitMs, const std::atomic_bool &cancelled)
        : m_limitMs(limitMs), m_cancelled(cancelled)
    {}
    vmime::shared_ptr<vmime::net::timeoutHandler> create() override
    {
        return vmime::make_shared<Timeout>(m_limitMs, m_cancelled);
    }

private:
    int m_limitMs;
    const std::atomic_bool &m_cancelled;
};

// The certificates of a PEM file, each one imported on its own.
void addCertificates(const QString &path,
                     std::vector<vmime::shared_ptr<vmime::security::cert::X509Certificate>> *to)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray pem = file.readAll();
    static const QByteArray begin = "-----BEGIN CERTIFICATE-----";
    static const QByteArray end = "-----END CERTIFICATE-----";
    for (qsizetype from = pem.indexOf(begin); from >= 0; from = pem.indexOf(begin, from)) {
        const qsizetype to_ = pem.indexOf(end, from);
        if (to_ < 0)
            break;
        const QByteArray one = pem.mid(from, to_ + end.size() - from);
        if (auto certificate = vmime::security::cert::X509Certificate::import(
                    reinterpret_cast<const vmime::byte_t *>(one.constData()), one.size()))
            to->push_back(certificate);
        from = to_ + end.size();
    }
}

// The server's certificate must come from an authority the system trusts
// (or the one given) and name the host: a password is never sent otherwise.
vmime::shared_ptr<vmime::security::cert::certificateVerifier> verifier(const QString &extraCaFile)
{
    std::vector<vmime::shared_ptr<vmime::security::cert::X509Certificate>> authorities;
    addCertificates(u"/etc/ssl/certs/ca-certificates.crt"_s, &authorities);
    addCertificates(extraCaFile, &authorities);
    auto verifier = vmime::make_shared<vmime::security::cert::defaultCertificateVerifier>();
    verifier->setX509RootCAs(authorities);
    return verifier;
}

// What a failure says to the user.
QString failureText(const vmime::exception &error)
{
    const QString what = QString::fromStdString(error.what());
    if (dynamic_cast<const vmime::exceptions::authentication_error *>(&error))
        return u"The server refused the login: "_s + what;
    if (dynamic_cast<const vmime::exceptions::operation_timed_out *>(&error))
        return u"The server did not answer in time."_s;
    if (dynamic_cast<const vmime::security::cert::certificateException *>(&error))
        return u"The server's certificate is not trusted: "_s + what;
    if (dynamic_cast<const vmime::exceptions::connection_error *>(&error))
        return u"Could not connect to the server: "_s + what;
    if (dynamic_cast<const vmime::exceptions::folder_not_found *>(&error))
        return u"No such folder on the server: "_s + what;
    return what;
}

// Reads one folder from where the last check stopped.
void readFolder(vmime::shared_ptr<vmime::net::store> store, const QString &name,
                const MailboxCheck::Position &since, const QString &unsubscribeSubject,
                const std::atomic_bool &cancelled, MailboxCheck::Result *result)
{
    vmime::net::folder::path path;
    for (const QString &part : name.split(u'/', Qt::SkipEmptyParts))
        path /= vmime::net::folder::path::component(utf8(part));
    vmime::shared_ptr<vmime::net::folder> folder = store->getFolder(path);
    folder->open(vmime::net::folder::MODE_READ_ONLY, true);
    const auto status = vmime::dynamicCast<vmime::net::imap::IMAPFolderStatus>(folder->getStatus());
    MailboxCheck::Position position;
    position.uidValidity = status ? status->getUIDValidity() : 0;
    // Another UIDVALIDITY: the numbers of the last check mean nothing now.
    position.lastUid = position.uidValidity == since.uidValidity ? since.lastUid : 0;
    const quint32 uidNext = status ? status->getUIDNext() : 0;
    if (uidNext == 0 || position.lastUid + 1 < uidNext) {
        // The numbers of the new messages, then their objects a batch at a
        // time: VMime looks through every message object alive at each
        // answer, so holding all of a big folder's at once costs its square.
        const std::vector<std::size_t> numbers = folder->getMessageNumbersStartingOnUID(
                std::to_string(position.lastUid + 1));
        for (std::size_t first = 0; first < numbers.size() && !cancelled; first += headerBatch) {
            const std::vector<std::size_t> slice(numbers.begin() + first,
                                                 numbers.begin()
                                                         + std::min(numbers.size(),
                                                                    first + headerBatch));
            std::vector<vmime::shared_ptr<vmime::net::message>> batch = folder->getMessages(
                    vmime::net::messageSet::byNumber(slice));
            folder->fetchMessages(batch, vmime::net::fetchAttributes(
                                                 vmime::net::fetchAttributes::UID
                                                 | vmime::net::fetchAttributes::FULL_HEADER));
            for (const auto &message : batch) {
                const quint32 uid = static_cast<quint32>(
                        std::stoul(static_cast<vmime::string>(message->getUID())));
                // "n:*" names the last message even when it is older than n.
                if (uid <= position.lastUid)
                    continue;
                ++result->examined;
                const QByteArray headers = QByteArray::fromStdString(
                        message->getHeader()->generate());
                MailboxReport::Report report;
                QByteArray read = headers + "\r\n";
                if (MailboxReport::needsBody(headers)) {
                    vmime::string whole;
                    vmime::utility::outputStreamStringAdapter out(whole);
                    message->extract(out, nullptr, 0, -1, true); // PEEK: left unread
                    ++result->fetched;
                    read = QByteArray::fromStdString(whole);
                }
                report = MailboxReport::classify(read, unsubscribeSubject);
                if (report.kind != MailboxReport::Kind::Ordinary
                    && report.kind != MailboxReport::Kind::AutoReply) {
                    report.folder = name;
                    report.uidValidity = position.uidValidity;
                    report.uid = uid;
                    report.message = read.left(keptReportBytes);
                    result->reports.append(report);
                }
                position.lastUid = std::max(position.lastUid, uid);
            }
        }
    }
    folder->close(false);
    result->positions.insert(name, position);
}

} // namespace

MailboxCheck::MailboxCheck(QObject *parent) : QObject(parent) {}

MailboxCheck::~MailboxCheck()
{
    cancel();
}

bool MailboxCheck::start(const Settings &settings, const Positions &since,
                         const QString &unsubscribeSubject)
{
    if (m_running)
        return false;
    m_running = true;
    m_result = {};
    m_cancelled = std::make_shared<std::atomic_bool>(false);
    QPointer<MailboxCheck> self(this);
    oneOffThread([self, settings, since, unsubscribeSubject, cancelled = m_cancelled] {
        auto result = std::make_shared<Result>(run(settings, since, unsubscribeSubject, *cancelled));
        QMetaObject::invokeMethod(
                self.get(),
                [self, result, cancelled] {
                    if (!self || self->m_cancelled != cancelled)
                        return;
                    self->m_running = false;
                    self->m_result = std::move(*result);
                    emit self->finished();
                },
                Qt::QueuedConnection);
    })->start();
    return true;
}

void MailboxCheck::cancel()
{
    if (m_cancelled)
        *m_cancelled = true;
}

MailboxCheck::Result MailboxCheck::run(const Settings &settings, const Positions &since,
                                       const QString &unsubscribeSubject,
                                       const std::atomic_bool &cancelled)
{
    Result result;
    result.positions = since;
    try {
        vmime::shared_ptr<vmime::net::session> session = vmime::net::session::create();
        const bool implicitTls = settings.security == "SSL"_L1;
        const vmime::utility::url url(implicitTls ? "imaps" : "imap", utf8(settings.host),
                                      settings.port);
        vmime::shared_ptr<vmime::net::store> store = session->getStore(url);
        store->setProperty("connection.tls", settings.security == "TLS"_L1);
        store->setProperty("connection.tls.required", settings.security == "TLS"_L1);
        // SASL (PLAIN and the others the server offers) with the account's
        // name and password; LOGIN where the server has no SASL.
        store->setAuthenticator(
                vmime::make_shared<vmime::security::sasl::defaultSASLAuthenticator>());
        store->setProperty("options.sasl", true);
        store->setProperty("options.sasl.fallback", true);
        store->setProperty("auth.username", utf8(settings.username));
        store->setProperty("auth.password", utf8(settings.password));
        store->setCertificateVerifier(verifier(settings.extraCaFile));
        store->setTimeoutHandlerFactory(
                vmime::make_shared<TimeoutFactory>(settings.timeoutMs, cancelled));
        store->connect();
        for (const QString &folder : settings.folders) {
            if (cancelled)
                break;
            readFolder(store, folder, since.value(folder), unsubscribeSubject, cancelled, &result);
        }
        store->disconnect();
        result.ok = !cancelled;
        if (cancelled)
            result.error = u"The check was cancelled."_s;
    } catch (const vmime::exception &error) {
        result.error = failureText(error);
    } catch (const std::exception &error) {
        result.error = QString::fromStdString(error.what());
    }
    return result;
}
