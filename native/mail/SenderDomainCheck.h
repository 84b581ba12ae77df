#pragma once

#include <QDnsLookup>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <functional>

// What the sender's domain publishes for the providers that receive bulk
// mail, asked of the name server the program uses: whether its SPF record
// allows the account's SMTP server, its DMARC policy, and whether it has MX
// records. Reports by finished() within a bounded time; nothing waits.
//
// finished() gives {"domain", "host", "spf": "pass", "fail", "softfail",
// "neutral", "missing" or "unknown" (a mechanism that cannot be followed
// here, or no answer), "dmarc": "reject", "quarantine", "none", "missing" or
// "unknown", "mx": "present", "missing" or "unknown"}.
class SenderDomainCheck : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    static constexpr int limitMs = 5000;
    // Look-ups one SPF evaluation may make, as the standard bounds them.
    static constexpr int maxSpfLookups = 10;

    explicit SenderDomainCheck(QObject *parent = nullptr);
    ~SenderDomainCheck() override;

    bool busy() const { return m_busy; }
    // Checks the domain of `fromAddress` for mail sent through `smtpHost`;
    // a check under way is dropped.
    Q_INVOKABLE void start(const QString &fromAddress, const QString &smtpHost);
    Q_INVOKABLE void cancel();

    // The SPF records among a name's TXT records (one, when all is well).
    static QStringList spfRecords(const QStringList &texts);
    // The DMARC policy of a record ("none", "quarantine", "reject"), "" when
    // the text is no DMARC record.
    static QString dmarcPolicy(const QStringList &texts);

signals:
    void busyChanged();
    void finished(const QVariantMap &result);

private:
    struct Answer
    {
        bool ok = false;    // an answer came (records or none)
        bool exists = true; // the name exists
        QStringList texts;  // TXT records
        QStringList hosts;  // MX exchanges
        QList<QHostAddress> addresses;
    };
    using Done = std::function<void(const Answer &)>;
    using Verdict = std::function<void(const QString &)>;
    // ok: the name server answered both questions
    using Addresses = std::function<void(bool ok, const QList<QHostAddress> &)>;

    void lookup(QDnsLookup::Type type, const QString &name, const Done &done);
    void addresses(const QString &name, const Addresses &done);
    void evaluate(const QString &domain, bool counted, const Verdict &done);
    void evaluateTerms(QStringList terms, const QString &domain, QString redirect,
                       const Verdict &done);
    bool matches(const QList<QHostAddress> &addresses, int v4Prefix, int v6Prefix) const;
    void part(const QString &key, const QString &value);
    void end();

    bool m_busy = false;
    quint64 m_serial = 0;
    int m_spfLookups = 0;
    int m_pending = 0; // parts of the result still awaited
    QString m_domain;
    QList<QHostAddress> m_host;
    QVariantMap m_result;
    QTimer m_deadline;
    QHostAddress m_nameServer;
};
