#include "mail/SenderDomainCheck.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString verdictOf(QChar qualifier)
{
    switch (qualifier.unicode()) {
    case '-':
        return u"fail"_s;
    case '~':
        return u"softfail"_s;
    case '?':
        return u"neutral"_s;
    default:
        return u"pass"_s;
    }
}

} // namespace

SenderDomainCheck::SenderDomainCheck(QObject *parent)
    : QObject(parent), m_nameServer(qEnvironmentVariable("PARVANE_DNS_SERVER"))
{
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(limitMs);
    // What has not answered by then stays "unknown".
    connect(&m_deadline, &QTimer::timeout, this, &SenderDomainCheck::end);
}

SenderDomainCheck::~SenderDomainCheck() = default;

QStringList SenderDomainCheck::spfRecords(const QStringList &texts)
{
    QStringList records;
    for (const QString &text : texts) {
        const QString trimmed = text.trimmed();
        if (trimmed.compare("v=spf1"_L1, Qt::CaseInsensitive) == 0
            || trimmed.startsWith("v=spf1 "_L1, Qt::CaseInsensitive))
            records.append(trimmed);
    }
    return records;
}

QString SenderDomainCheck::dmarcPolicy(const QStringList &texts)
{
    for (const QString &text : texts) {
        const QStringList tags = text.split(u';', Qt::SkipEmptyParts);
        if (tags.isEmpty()
            || tags.first().trimmed().compare("v=DMARC1"_L1, Qt::CaseInsensitive) != 0)
            continue;
        for (const QString &tag : tags) {
            const QString value = tag.trimmed();
            if (value.startsWith("p="_L1, Qt::CaseInsensitive)) {
                const QString policy = value.mid(2).trimmed().toLower();
                if (policy == "none"_L1 || policy == "quarantine"_L1 || policy == "reject"_L1)
                    return policy;
            }
        }
        // A DMARC record without a policy the standard names counts as none.
        return u"none"_s;
    }
    return QString();
}

void SenderDomainCheck::start(const QString &fromAddress, const QString &smtpHost)
{
    cancel();
    const qsizetype at = fromAddress.lastIndexOf(u'@');
    m_domain = at >= 0 ? fromAddress.mid(at + 1).trimmed().toLower() : QString();
    m_result = {{u"domain"_s, m_domain},
                {u"host"_s, smtpHost},
                {u"spf"_s, u"unknown"_s},
                {u"dmarc"_s, u"unknown"_s},
                {u"mx"_s, u"unknown"_s}};
    m_busy = true;
    emit busyChanged();
    m_deadline.start();
    if (m_domain.isEmpty() || !m_domain.contains(u'.')) {
        m_pending = 0;
        QTimer::singleShot(0, this, [this, serial = m_serial] {
            if (serial == m_serial)
                end();
        });
        return;
    }
    m_pending = 3;
    m_spfLookups = 0;
    lookup(QDnsLookup::MX, m_domain, [this](const Answer &answer) {
        if (!answer.ok)
            return part(u"mx"_s, u"unknown"_s);
        // A null MX (".") says the domain takes no mail.
        const bool any = std::any_of(answer.hosts.cbegin(), answer.hosts.cend(),
                                     [](const QString &host) {
                                         return !host.isEmpty() && host != "."_L1;
                                     });
        part(u"mx"_s, any ? u"present"_s : u"missing"_s);
    });
    lookup(QDnsLookup::TXT, u"_dmarc."_s + m_domain, [this](const Answer &answer) {
        const QString policy = dmarcPolicy(answer.texts);
        if (!answer.ok || !policy.isEmpty())
            return part(u"dmarc"_s, answer.ok ? policy : u"unknown"_s);
        // A subdomain's mail falls under its organisation's record; the
        // organisation is taken as the last two labels (no public suffix list).
        const QStringList labels = m_domain.split(u'.');
        if (labels.size() <= 2)
            return part(u"dmarc"_s, u"missing"_s);
        lookup(QDnsLookup::TXT, u"_dmarc."_s + labels.mid(labels.size() - 2).join(u'.'),
               [this](const Answer &organisation) {
                   const QString inherited = dmarcPolicy(organisation.texts);
                   part(u"dmarc"_s, !organisation.ok      ? u"unknown"_s
                                    : inherited.isEmpty() ? u"missing"_s
                                                          : inherited);
               });
    });
    const auto spf = [this](bool, const QList<QHostAddress> &host) {
        m_host = host;
        evaluate(m_domain, false, [this](const QString &verdict) {
            // Without the server's addresses only a missing record can be told.
            part(u"spf"_s, m_host.isEmpty() && verdict != "missing"_L1 ? u"unknown"_s : verdict);
        });
    };
    const QHostAddress literal(smtpHost);
    if (!literal.isNull())
        spf(true, {literal});
    else
        addresses(smtpHost, spf);
}

void SenderDomainCheck::cancel()
{
    ++m_serial;
    m_deadline.stop();
    m_pending = 0;
    if (m_busy) {
        m_busy = false;
        emit busyChanged();
    }
}

void SenderDomainCheck::lookup(QDnsLookup::Type type, const QString &name, const Done &done)
{
    auto *dns = new QDnsLookup(type, name, this);
    if (!m_nameServer.isNull())
        dns->setNameserver(m_nameServer);
    connect(dns, &QDnsLookup::finished, this, [this, dns, done, serial = m_serial] {
        dns->deleteLater();
        if (serial != m_serial)
            return;
        Answer answer;
        // Qt 6.4 reports a name without records of the type asked (NODATA)
        // as an invalid reply: it is an answer all the same.
        const QDnsLookup::Error error = dns->error();
        answer.ok = error == QDnsLookup::NoError || error == QDnsLookup::NotFoundError
                    || error == QDnsLookup::InvalidReplyError;
        answer.exists = error != QDnsLookup::NotFoundError;
        for (const QDnsTextRecord &record : dns->textRecords()) {
            QString text;
            // A long record comes in pieces of 255 bytes, read as one.
            for (const QByteArray &piece : record.values())
                text += QString::fromUtf8(piece);
            answer.texts.append(text);
        }
        for (const QDnsMailExchangeRecord &record : dns->mailExchangeRecords())
            answer.hosts.append(record.exchange());
        for (const QDnsHostAddressRecord &record : dns->hostAddressRecords())
            answer.addresses.append(record.value());
        done(answer);
    });
    dns->lookup();
}

void SenderDomainCheck::addresses(const QString &name, const Addresses &done)
{
    auto found = std::make_shared<QList<QHostAddress>>();
    auto left = std::make_shared<int>(2);
    auto ok = std::make_shared<bool>(true);
    const auto collect = [found, left, ok, done](const Answer &answer) {
        found->append(answer.addresses);
        *ok = *ok && answer.ok;
        if (--*left == 0)
            done(*ok, *found);
    };
    lookup(QDnsLookup::A, name, collect);
    lookup(QDnsLookup::AAAA, name, collect);
}

bool SenderDomainCheck::matches(const QList<QHostAddress> &addresses, int v4Prefix,
                                int v6Prefix) const
{
    for (const QHostAddress &host : m_host) {
        for (const QHostAddress &address : addresses) {
            const bool v4 = address.protocol() == QAbstractSocket::IPv4Protocol;
            if (host.protocol() == address.protocol()
                && host.isInSubnet(address, v4 ? v4Prefix : v6Prefix))
                return true;
        }
    }
    return false;
}

// The record's own look-up is not counted: the bound is on the mechanisms
// and modifiers that ask for more (include, a, mx, redirect).
void SenderDomainCheck::evaluate(const QString &domain, bool counted, const Verdict &done)
{
    if (counted && ++m_spfLookups > maxSpfLookups)
        return done(u"unknown"_s);
    lookup(QDnsLookup::TXT, domain, [this, domain, done](const Answer &answer) {
        if (!answer.ok)
            return done(u"unknown"_s);
        const QStringList records = spfRecords(answer.texts);
        if (records.isEmpty())
            return done(u"missing"_s);
        // Two records are an error the receiving servers do not resolve either.
        if (records.size() > 1)
            return done(u"unknown"_s);
        QStringList terms = records.first().split(u' ', Qt::SkipEmptyParts);
        terms.removeFirst();
        evaluateTerms(terms, domain, QString(), done);
    });
}

// The terms of one record, left to right: those that need no look-up in a
// loop, each look-up going on from its answer.
void SenderDomainCheck::evaluateTerms(QStringList terms, const QString &domain, QString redirect,
                                      const Verdict &done)
{
    while (!terms.isEmpty()) {
        QString term = terms.takeFirst().toLower();
        const auto next = [this, terms, domain, redirect, done] {
            evaluateTerms(terms, domain, redirect, done);
        };
        if (term.startsWith("redirect="_L1)) {
            redirect = term.mid(9);
            continue;
        }
        if (term.contains(u'=') && !term.contains(u':'))
            continue; // exp= and modifiers this check does not need
        // Macros, exists and ptr cannot be followed here.
        if (term.contains(u'%'))
            return done(u"unknown"_s);
        QChar qualifier = u'+';
        if (!term.isEmpty() && QStringView(u"+-~?").contains(term.front())) {
            qualifier = term.front();
            term.remove(0, 1);
        }
        const QString verdict = verdictOf(qualifier);
        if (term == "all"_L1)
            return done(verdict);
        if (term.startsWith("ip4:"_L1) || term.startsWith("ip6:"_L1)) {
            QString text = term.mid(4);
            if (!text.contains(u'/'))
                text += term.startsWith("ip4"_L1) ? "/32"_L1 : "/128"_L1;
            const auto subnet = QHostAddress::parseSubnet(text);
            if (subnet.first.isNull())
                return done(u"unknown"_s);
            for (const QHostAddress &host : std::as_const(m_host)) {
                if (host.isInSubnet(subnet))
                    return done(verdict);
            }
            continue;
        }
        // a and mx, with an optional domain and prefix lengths: "a:example.com/24//64".
        const bool isA = term == "a"_L1 || term.startsWith("a:"_L1) || term.startsWith("a/"_L1);
        const bool isMx = term == "mx"_L1 || term.startsWith("mx:"_L1) || term.startsWith("mx/"_L1);
        if (isA || isMx) {
            QString rest = term.mid(isA ? 1 : 2);
            int v4Prefix = 32;
            int v6Prefix = 128;
            bool good = true;
            const auto prefix = [&good](const QString &text, int most) {
                bool ok = false;
                const int value = text.toInt(&ok);
                good = good && ok && value >= 0 && value <= most;
                return value;
            };
            if (const qsizetype six = rest.indexOf("//"_L1); six >= 0) {
                v6Prefix = prefix(rest.mid(six + 2), 128);
                rest = rest.left(six);
            }
            if (const qsizetype four = rest.indexOf(u'/'); four >= 0) {
                v4Prefix = prefix(rest.mid(four + 1), 32);
                rest = rest.left(four);
            }
            if (!good)
                return done(u"unknown"_s);
            const QString name = rest.startsWith(u':') ? rest.mid(1) : domain;
            if (++m_spfLookups > maxSpfLookups)
                return done(u"unknown"_s);
            const auto check = [this, v4Prefix, v6Prefix, verdict, next,
                                done](bool ok, const QList<QHostAddress> &found) {
                // A name server that fails gives no verdict, not a mismatch.
                if (!ok)
                    return done(u"unknown"_s);
                if (matches(found, v4Prefix, v6Prefix))
                    return done(verdict);
                next();
            };
            if (isA)
                return addresses(name, check);
            return lookup(QDnsLookup::MX, name, [this, check](const Answer &answer) {
                if (!answer.ok || answer.hosts.isEmpty())
                    return check(answer.ok, {});
                auto found = std::make_shared<QList<QHostAddress>>();
                auto ok = std::make_shared<bool>(true);
                const qsizetype count = std::min<qsizetype>(answer.hosts.size(), 10);
                auto left = std::make_shared<qsizetype>(count);
                for (qsizetype i = 0; i < count; ++i) {
                    addresses(answer.hosts.at(i),
                              [found, ok, left, check](bool answered,
                                                       const QList<QHostAddress> &more) {
                                  found->append(more);
                                  *ok = *ok && answered;
                                  if (--*left == 0)
                                      check(*ok, *found);
                              });
                }
            });
        }
        if (term.startsWith("include:"_L1)) {
            return evaluate(term.mid(8), true, [verdict, next, done](const QString &included) {
                if (included == "pass"_L1)
                    return done(verdict);
                if (included == "unknown"_L1 || included == "missing"_L1)
                    return done(u"unknown"_s);
                next();
            });
        }
        return done(u"unknown"_s);
    }
    if (!redirect.isEmpty())
        return evaluate(redirect, true, done);
    done(u"neutral"_s);
}

void SenderDomainCheck::part(const QString &key, const QString &value)
{
    m_result.insert(key, value);
    if (--m_pending <= 0)
        end();
}

void SenderDomainCheck::end()
{
    if (!m_busy)
        return;
    ++m_serial;
    m_deadline.stop();
    m_busy = false;
    emit busyChanged();
    emit finished(m_result);
}
