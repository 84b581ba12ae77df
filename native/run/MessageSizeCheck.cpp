#include "run/MessageSizeCheck.h"

#include "mail/OutgoingMail.h"
#include "mail/SmtpTransport.h"
#include "run/DeliveryThread.h"

#include <QPointer>

using namespace Qt::Literals::StringLiterals;

struct MessageSizeCheck::Shared
{
    SmtpTransport::Control control;
};

MessageSizeCheck::MessageSizeCheck(QObject *parent) : QObject(parent) {}

MessageSizeCheck::~MessageSizeCheck()
{
    cancel();
}

void MessageSizeCheck::cancel()
{
    if (m_shared)
        m_shared->control.abort = true;
    m_shared.reset();
    if (m_running) {
        m_running = false;
        emit runningChanged();
    }
}

void MessageSizeCheck::start(const QVariantMap &params, const QVariantMap &recipient)
{
    cancel();
    if (!m_thread)
        m_thread = std::make_unique<DeliveryThread>("size check");
    auto shared = std::make_shared<Shared>();
    m_shared = shared;
    m_running = true;
    emit runningChanged();

    OutgoingMail job = Outgoing::fromParams(params);
    job.to = QJsonObject::fromVariantMap(recipient);
    MailLimits limits;
    limits.connectTimeoutMs = m_timeoutMs;
    limits.idleTimeoutMs = m_timeoutMs;
    QPointer<MessageSizeCheck> self(this);
    m_thread->post([self, shared, job, limits] {
        SmtpTransport transport(Outgoing::settingsFor(job, limits));
        const SmtpTransport::Result greeted = transport.probe(&shared->control);
        const Outgoing::Prepared prepared = Outgoing::prepare(job, limits);
        const qint64 bytes = prepared.message.size();
        // SIZE 0 says there is no fixed limit: the usual one is assumed.
        const qint64 announced = greeted.sizeLimit > 0 ? greeted.sizeLimit : -1;
        const qint64 limit = announced > 0 ? announced : defaultLimit;
        const QVariantMap result{{u"messageBytes"_s, bytes},
                                 {u"serverLimit"_s, announced},
                                 {u"limit"_s, limit},
                                 {u"tooLarge"_s, bytes > limit},
                                 {u"answered"_s, greeted.accepted}};
        QMetaObject::invokeMethod(
                self.get(),
                [self, shared, result] {
                    if (!self || self->m_shared != shared)
                        return; // given up, or another check started since
                    self->m_shared.reset();
                    self->m_running = false;
                    emit self->runningChanged();
                    emit self->finished(result);
                },
                Qt::QueuedConnection);
    });
}
