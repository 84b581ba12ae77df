#include "run/AccountLimits.h"

#include "run/RunClock.h"
#include "run/RunHistory.h"
#include "run/RunJournal.h"

#include <QJsonArray>
#include <QPointer>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QString keyOf(const QString &address)
{
    return address.trimmed().toLower();
}

// What the journal of a run not yet in the history sent within the window.
void addJournal(const QString &path, qint64 since, RunHistory::Sends &sends)
{
    const RunJournal::Contents contents = RunJournal::read(path);
    if (!contents.valid || sends.runIds.contains(contents.header.value("id"_L1).toString()))
        return;
    // The run's own account, then those it shared its recipients with ("a").
    QStringList accounts{keyOf(contents.header.value("account"_L1).toString())};
    const QJsonArray others
            = contents.header.value("params"_L1).toObject().value("accounts"_L1).toArray();
    for (const QJsonValue &other : others)
        accounts.append(keyOf(other.toObject().value("address"_L1).toString()));
    for (const QJsonObject &outcome : contents.outcomes) {
        const QString name = outcome.value("o"_L1).toString();
        const auto at = static_cast<qint64>(outcome.value("at"_L1).toDouble());
        const qsizetype sender = outcome.value("a"_L1).toInt(0);
        if (at >= since && (name == "sent"_L1 || name == "unknown"_L1))
            sends.times[accounts.value(sender, accounts.first())].append(at);
    }
    for (QList<qint64> &times : sends.times)
        std::sort(times.begin(), times.end());
}

} // namespace

AccountLimits::AccountLimits(QObject *parent) : QObject(parent)
{
    // A clock moved on takes sends out of the windows.
    connect(RunClock::instance(), &RunClock::moved, this, &AccountLimits::changed);
    // Time alone takes sends out of the windows: what is shown follows.
    m_tick.setInterval(minuteMs);
    connect(&m_tick, &QTimer::timeout, this, &AccountLimits::changed);
    m_tick.start();
}

AccountLimits::~AccountLimits() = default;

void AccountLimits::setHistoryPath(const QString &path)
{
    if (path == m_historyPath)
        return;
    m_historyPath = path;
    emit pathsChanged();
    readSoon();
}

void AccountLimits::setJournalPath(const QString &path)
{
    if (path == m_journalPath)
        return;
    m_journalPath = path;
    emit pathsChanged();
    readSoon();
}

void AccountLimits::readSoon()
{
    if (m_readQueued)
        return;
    m_readQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_readQueued = false;
        reload();
    });
}

void AccountLimits::setLimits(const QVariantMap &limits)
{
    m_limitsGiven = limits;
    m_caps.clear();
    for (auto it = limits.cbegin(); it != limits.cend(); ++it) {
        const QVariantMap value = it.value().toMap();
        const auto number = [&value](const char *key) {
            return std::max(0, value.value(QLatin1StringView(key)).toInt());
        };
        m_caps.insert(keyOf(it.key()), {number("day"), number("hour"), number("minute")});
    }
    emit limitsChanged();
    changed();
}

void AccountLimits::changed()
{
    ++m_revision;
    emit countsChanged();
}

AccountLimits::Caps AccountLimits::capsOf(const QString &address) const
{
    return m_caps.value(keyOf(address));
}

qint64 AccountLimits::waitFor(const QList<qint64> &times, Caps caps, qint64 now, int inFlight,
                              QString *which)
{
    qint64 wait = 0;
    const std::pair<qint64, int> windows[] = {{dayMs, caps.day},
                                              {hourMs, caps.hour},
                                              {minuteMs, caps.minute}};
    for (const auto &[length, cap] : windows) {
        if (cap <= 0)
            continue;
        const auto first = std::upper_bound(times.cbegin(), times.cend(), now - length);
        const qsizetype inWindow = times.cend() - first;
        const qsizetype count = inWindow + inFlight;
        if (count < cap)
            continue;
        // One more may go once the oldest sends beyond cap - 1 have left the window.
        const qsizetype leaving = count - cap;
        const qint64 at = leaving < inWindow ? *(first + leaving) + length : now + length;
        if (at - now > wait) {
            wait = at - now;
            if (which)
                *which = length == dayMs ? u"day"_s : length == hourMs ? u"hour"_s : u"minute"_s;
        }
    }
    return wait;
}

qint64 AccountLimits::waitMs(const QString &address, int inFlight) const
{
    return waitFor(m_times.value(keyOf(address)), capsOf(address), RunClock::now(), inFlight);
}

QString AccountLimits::reached(const QString &address, int inFlight) const
{
    QString which;
    waitFor(m_times.value(keyOf(address)), capsOf(address), RunClock::now(), inFlight, &which);
    return which;
}

QVariantMap AccountLimits::usage(const QString &address) const
{
    const QList<qint64> times = m_times.value(keyOf(address));
    const qint64 now = RunClock::now();
    const auto since = [&](qint64 length) {
        return static_cast<int>(times.cend()
                                - std::upper_bound(times.cbegin(), times.cend(), now - length));
    };
    const Caps caps = capsOf(address);
    return {{u"day"_s, since(dayMs)},       {u"hour"_s, since(hourMs)},
            {u"minute"_s, since(minuteMs)}, {u"dayLimit"_s, caps.day},
            {u"hourLimit"_s, caps.hour},    {u"minuteLimit"_s, caps.minute}};
}

double AccountLimits::estimateMs(const QStringList &addresses, int messages, int intervalMs) const
{
    if (messages <= 0 || addresses.isEmpty())
        return 0;
    QList<Caps> caps;
    QList<QList<qint64>> times;
    for (const QString &address : addresses) {
        caps.append(capsOf(address));
        times.append(m_times.value(keyOf(address)));
    }
    const qint64 now = RunClock::now();
    qint64 at = now;
    qint64 last = now;
    for (int i = 0; i < messages; ++i) {
        // The account that may send first takes the message.
        qsizetype chosen = 0;
        qint64 wait = std::numeric_limits<qint64>::max();
        for (qsizetype a = 0; a < caps.size() && wait > 0; ++a) {
            const qint64 held = waitFor(times.at(a), caps.at(a), at);
            if (held < wait) {
                wait = held;
                chosen = a;
            }
        }
        at += wait;
        times[chosen].append(at);
        last = at;
        at += std::max(0, intervalMs);
    }
    return static_cast<double>(last - now);
}

void AccountLimits::record(const QString &address, qint64 at)
{
    const QString key = keyOf(address);
    QList<qint64> &times = m_times[key];
    times.insert(std::upper_bound(times.begin(), times.end(), at), at);
    // Only the last day counts for anything.
    const auto old = std::upper_bound(times.begin(), times.end(), RunClock::now() - dayMs);
    times.erase(times.begin(), old);
    if (m_readingNow)
        m_early.append({key, at});
    changed();
}

void AccountLimits::reload()
{
    if (m_historyPath.isEmpty())
        return;
    const quint64 serial = ++m_reading;
    auto result = std::make_shared<RunHistory::Sends>();
    QThread *reader = QThread::create([result, folder = m_historyPath, journal = m_journalPath,
                                       since = RunClock::now() - dayMs] {
        *result = RunHistory::sendsSince(folder, since);
        if (!journal.isEmpty())
            addJournal(journal, since, *result);
    });
    connect(reader, &QThread::finished, reader, &QObject::deleteLater);
    connect(reader, &QThread::finished, this, [this, result, serial] {
        if (serial == m_reading)
            loaded(result->times);
    });
    m_readingNow = true;
    reader->start();
}

void AccountLimits::loaded(const QHash<QString, QList<qint64>> &times)
{
    // What runs recorded while the reading went on is kept, once.
    QHash<QString, QList<qint64>> merged = times;
    for (const auto &[key, at] : std::as_const(m_early)) {
        QList<qint64> &list = merged[key];
        if (!std::binary_search(list.cbegin(), list.cend(), at))
            list.insert(std::upper_bound(list.begin(), list.end(), at), at);
    }
    m_early.clear();
    m_readingNow = false;
    m_times = merged;
    m_ready = true;
    changed();
}
