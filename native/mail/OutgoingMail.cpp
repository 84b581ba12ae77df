#include "mail/OutgoingMail.h"

#include "mail/MailComposer.h"
#include "mail/MimeMessage.h"
#include "mail/SmtpTransport.h"

#include <QEventLoop>
#include <QThread>
#include <QUrl>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QJsonObject verdict(bool error, const QString &text)
{
    return {{u"error"_s, error}, {u"text"_s, text}};
}

// Why an address cannot be used ("" when it can), and the address as it is
// written to the server: a domain in other scripts in its ASCII form. An
// address that could end the SMTP command or the header it is written into,
// or that no server takes, is refused rather than repaired.
QString addressRefusal(const QString &address, QString *ascii)
{
    for (const QChar c : address) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('<')
            || c == QLatin1Char('>'))
            return u"it contains a line break, \"<\" or \">\""_s;
    }
    if (address.contains(QChar(0)))
        return u"it contains a NUL character"_s;
    for (const QChar c : address) {
        if (c.isSpace())
            return u"it contains a space"_s;
    }
    if (address.contains(QLatin1Char(',')))
        return u"it contains a comma, which would make it a list of addresses"_s;
    if (address.toUtf8().size() > 254)
        return u"it is longer than 254 octets, the most an address may have"_s;
    const qsizetype at = address.lastIndexOf(QLatin1Char('@'));
    const QString local = at >= 0 ? address.left(at) : address;
    for (const QChar c : local) {
        if (c.unicode() > 0x7f)
            return u"the part before \"@\" holds characters other than ASCII, which the server "
                   u"could "
                   u"only take with the SMTPUTF8 extension, and this program does not use it"_s;
    }
    *ascii = address;
    if (at >= 0) {
        const QString domain = address.mid(at + 1);
        bool plain = true;
        for (const QChar c : domain)
            plain = plain && c.unicode() <= 0x7f;
        if (!plain) {
            const QByteArray ace = QUrl::toAce(domain,
                                               QUrl::AceProcessingOption::IgnoreIDNWhitelist);
            if (ace.isEmpty())
                return u"its domain is not a valid domain name"_s;
            *ascii = local + u"@"_s + QString::fromLatin1(ace);
            if (ascii->size() > 254)
                return u"it is longer than 254 octets, the most an address may have"_s;
        }
    }
    return {};
}
} // namespace

quint16 Outgoing::portFrom(qint64 port)
{
    return port >= 1 && port <= 65535 ? static_cast<quint16>(port) : 0;
}

OutgoingMail Outgoing::fromParams(const QVariantMap &params)
{
    OutgoingMail job;
    job.host = params.value(u"host"_s).toString();
    job.port = portFrom(params.value(u"port"_s).toLongLong());
    job.connection = params.value(u"connection"_s).toString();
    job.username = params.value(u"address"_s).toString();
    job.password = params.value(u"password"_s).toString();
    job.accessToken = params.value(u"accessToken"_s).toString();
    job.senderName = params.value(u"senderName"_s).toString();
    job.subject = params.value(u"subject"_s).toString();
    job.content = params.value(u"content"_s).toString();
    job.html = params.value(u"html"_s).toString();
    job.contentLocalUrls = params.value(u"localUrls"_s).toStringList();
    job.attachments = params.value(u"attachments"_s).toStringList();
    job.unsubscribe = params.value(u"unsubscribe"_s).toBool();
    job.unsubscribeLanguage = params.value(u"unsubscribeLanguage"_s).toString();
    return job;
}

SmtpTransport::Settings Outgoing::settingsFor(const OutgoingMail &job, const MailLimits &limits)
{
    SmtpTransport::Settings settings;
    settings.host = job.host;
    settings.port = job.port;
    settings.security = SmtpTransport::securityFor(job.connection, job.port);
    settings.authenticate = SmtpTransport::authenticates(job.connection, job.accessToken.isEmpty()
                                                                                 ? job.password
                                                                                 : job.accessToken);
    settings.username = job.username;
    settings.password = job.password;
    settings.bearer = job.accessToken;
    settings.connectTimeoutMs = limits.connectTimeoutMs;
    settings.idleTimeoutMs = limits.idleTimeoutMs;
    settings.totalTimeoutMs = limits.totalTimeoutMs;
    settings.extraCaFile = qEnvironmentVariable("PARVANE_SMTP_CA_FILE");
    return settings;
}

Outgoing::Prepared Outgoing::prepare(const OutgoingMail &job, const MailLimits &limits)
{
    const QJsonValue email = job.to.value("email"_L1);
    const QString recipient = email.isString() ? email.toString() : QString();
    Prepared prepared;
    if (job.port == 0) {
        prepared.refusal = u"The SMTP port must be a number from 1 to 65535. Nothing was sent."_s;
        return prepared;
    }
    if (const QString why = addressRefusal(job.username, &prepared.from); !why.isEmpty()) {
        prepared.refusal = u"Sender address refused: "_s + why + u". Nothing was sent."_s;
        return prepared;
    }
    if (const QString why = addressRefusal(recipient, &prepared.to); !why.isEmpty()) {
        prepared.refusal = u"Recipient address refused: "_s + why + u". Nothing was sent."_s;
        return prepared;
    }
    MimeContent content = MailComposer::compose(job, limits);
    content.senderAddress = prepared.from;
    content.recipientAddress = prepared.to;
    prepared.message = MimeMessage::build(content);
    return prepared;
}

SmtpTransport::Result Outgoing::deliver(const Prepared &prepared, SmtpTransport &transport,
                                        SmtpTransport::Control *control)
{
    if (!prepared.refusal.isEmpty()) {
        SmtpTransport::Result refused;
        refused.text = prepared.refusal;
        return refused;
    }
    return transport.deliver(prepared.from, prepared.to, prepared.message, control);
}

QJsonObject Outgoing::send(const OutgoingMail &job, const MailLimits &limits,
                           const QVariantMap &texts)
{
    // Composing, encoding and talking to the server all block: a worker does
    // them while this thread keeps serving events.
    SmtpTransport::Result result;
    SmtpTransport transport(settingsFor(job, limits));
    std::unique_ptr<QThread> worker(
            QThread::create([&] { result = deliver(prepare(job, limits), transport); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    if (!worker->isFinished())
        loop.exec();
    worker->wait();

    return verdict(!result.accepted, SmtpTransport::describe(result, job.host, job.port,
                                                             limits.idleTimeoutMs, texts));
}
