#include "app/OnlineCheck.h"

#include <QHostAddress>

namespace {
// A name that is always published in the public DNS; tests and closed
// networks point the probe elsewhere with PARVANE_PROBE_HOST.
constexpr auto defaultProbeHost = "example.com";
} // namespace

OnlineCheck::OnlineCheck(QObject *parent) : QObject(parent)
{
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(limitMs);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_lookup.abort();
        end(false);
    });
    connect(&m_lookup, &QDnsLookup::finished, this,
            [this] { end(m_lookup.error() == QDnsLookup::NoError); });
}

void OnlineCheck::start()
{
    const QString probeHost = qEnvironmentVariableIsEmpty("PARVANE_PROBE_HOST")
                                      ? QString::fromLatin1(defaultProbeHost)
                                      : qEnvironmentVariable("PARVANE_PROBE_HOST");
    m_lookup.setType(QDnsLookup::A);
    m_lookup.setName(probeHost);
    const QHostAddress nameServer(qEnvironmentVariable("PARVANE_DNS_SERVER"));
    if (!nameServer.isNull())
        m_lookup.setNameserver(nameServer);
    m_deadline.start();
    m_lookup.lookup();
}

void OnlineCheck::end(bool online)
{
    if (m_finished)
        return;
    m_finished = true;
    m_online = online;
    m_deadline.stop();
    emit finished(online);
}
