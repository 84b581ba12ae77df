#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// What each account may still send. Its limits per rolling day, hour and
// minute come from the interface; when it sent, from the run history and
// the journal of a run not yet ended, read once on a worker, then from the
// runs themselves as their messages go.
class AccountLimits : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // The history folder; reading starts once it is set.
    Q_PROPERTY(QString historyPath READ historyPath WRITE setHistoryPath NOTIFY pathsChanged)
    Q_PROPERTY(QString journalPath READ journalPath WRITE setJournalPath NOTIFY pathsChanged)
    // Address -> {day, hour, minute}; 0 or none: no limit of that length.
    Q_PROPERTY(QVariantMap limits READ limits WRITE setLimits NOTIFY limitsChanged)
    // Grows at every change of a count or a limit, for the bindings that show them.
    Q_PROPERTY(int revision READ revision NOTIFY countsChanged)
    Q_PROPERTY(bool ready READ ready NOTIFY countsChanged)

public:
    struct Caps
    {
        int day = 0;
        int hour = 0;
        int minute = 0;
    };
    static constexpr qint64 minuteMs = 60 * 1000;
    static constexpr qint64 hourMs = 60 * minuteMs;
    static constexpr qint64 dayMs = 24 * hourMs;

    explicit AccountLimits(QObject *parent = nullptr);
    ~AccountLimits() override;

    QString historyPath() const { return m_historyPath; }
    void setHistoryPath(const QString &path);
    QString journalPath() const { return m_journalPath; }
    void setJournalPath(const QString &path);
    QVariantMap limits() const { return m_limitsGiven; }
    void setLimits(const QVariantMap &limits);
    int revision() const { return m_revision; }
    bool ready() const { return m_ready; }

    Caps capsOf(const QString &address) const;
    // {day, hour, minute} sent within each, and {dayLimit, hourLimit, minuteLimit}.
    Q_INVOKABLE QVariantMap usage(const QString &address) const;
    // How long until the account may send one more, with `inFlight`
    // messages counted as sent now; 0 when it may send now.
    qint64 waitMs(const QString &address, int inFlight = 0) const;
    // The limit that holds it: "day", "hour", "minute", or "" when none does.
    QString reached(const QString &address, int inFlight = 0) const;
    // How long `messages` more would take through these accounts, one every
    // `intervalMs` and each within its account's limits: from now to the
    // last one's departure.
    Q_INVOKABLE double estimateMs(const QStringList &addresses, int messages, int intervalMs) const;
    // A message of the account went out (accepted, or sent whole) at `at`.
    void record(const QString &address, qint64 at);
    Q_INVOKABLE void reload();

    // The wait before one more message, with `times` sorted, at `now`.
    static qint64 waitFor(const QList<qint64> &times, Caps caps, qint64 now, int inFlight = 0,
                          QString *which = nullptr);

signals:
    void pathsChanged();
    void limitsChanged();
    void countsChanged();

private:
    void loaded(const QHash<QString, QList<qint64>> &times);
    void changed();
    // Both paths are set one after the other: one reading for the two.
    void readSoon();

    QString m_historyPath;
    QString m_journalPath;
    QVariantMap m_limitsGiven;
    QHash<QString, Caps> m_caps;
    // When each account sent within the last day, oldest first.
    QHash<QString, QList<qint64>> m_times;
    // Recorded while the reading was under way: merged with what it found.
    QList<std::pair<QString, qint64>> m_early;
    quint64 m_reading = 0;
    bool m_readingNow = false;
    bool m_readQueued = false;
    QTimer m_tick;
    bool m_ready = false;
    int m_revision = 0;
};
