#include "MailDelivery.h"

#include "MailComposer.h"
#include "MimeMessageBuilder.h"
#include "SmtpTransport.h"

#include <QEventLoop>
#include <QThread>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QJsonObject verdict(bool error, const QString &text)
{
    return {{u"error"_s, error}, {u"text"_s, text}};
}

// An address that could end the SMTP command it is written into, or the
// header it appears in, is refused rather than repaired.
bool isSafeAddress(const QString &address)
{
    for (const QChar c : address) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('<') || c == QLatin1Char('>'))
            return false;
    }
    return true;
}

} // namespace

SmtpTransport::Settings MailDelivery::settingsFor(const MailJob &job, const MailLimits &limits)
{
    SmtpTransport::Settings settings;
    settings.host = job.host;
    settings.port = job.port;
    settings.security = SmtpTransport::securityFor(job.connection, job.port);
    settings.authenticate = SmtpTransport::authenticates(job.connection, job.password);
    settings.username = job.username;
    settings.password = job.password;
    settings.connectTimeoutMs = limits.connectTimeoutMs;
    settings.idleTimeoutMs = limits.idleTimeoutMs;
    settings.totalTimeoutMs = limits.totalTimeoutMs;
    settings.extraCaFile = qEnvironmentVariable("PARVANE_SMTP_CA_FILE");
    return settings;
}

SmtpTransport::Result MailDelivery::deliver(const MailJob &job, const MailLimits &limits,
                                            SmtpTransport &transport, SmtpTransport::Control *control)
{
    const QJsonValue email = job.to.value("email"_L1);
    const QString recipient = email.isString() ? email.toString() : QString();
    SmtpTransport::Result refused;
    if (!isSafeAddress(job.username)) {
        refused.text = u"Sender address refused: it contains a line break, \"<\" or \">\". Nothing was sent."_s;
        return refused;
    }
    if (!isSafeAddress(recipient)) {
        refused.text = u"Recipient address refused: it contains a line break, \"<\" or \">\". Nothing was sent."_s;
        return refused;
    }
    const MimeContent content = MailComposer::compose(job, limits);
    return transport.deliver(content.senderAddress, content.recipientAddress,
                             MimeMessageBuilder::build(content), control);
}

QJsonObject MailDelivery::send(const MailJob &job, const MailLimits &limits)
{
    // Composing, encoding and talking to the server all block: a worker does
    // them while this thread keeps serving events.
    SmtpTransport::Result result;
    SmtpTransport transport(settingsFor(job, limits));
    std::unique_ptr<QThread> worker(QThread::create([&] { result = deliver(job, limits, transport); }));
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    if (!worker->isFinished())
        loop.exec();
    worker->wait();

    return verdict(!result.accepted, result.text);
}
