#include "PageFetch.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QThread>
#include <QUrl>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
bool isAddressByte(char c);
}

PageFetch::PageFetch(QObject *parent) : QObject(parent)
{
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_reply)
            m_reply->abort();
    });
}

PageFetch::~PageFetch()
{
    cancel();
}

void PageFetch::setTimeLimit(int ms)
{
    ms = qMax(1, ms);
    if (ms == m_timeLimit)
        return;
    m_timeLimit = ms;
    emit timeLimitChanged();
}

void PageFetch::setMaxBytes(int bytes)
{
    bytes = qMax(1, bytes);
    if (bytes == m_maxBytes)
        return;
    m_maxBytes = bytes;
    emit maxBytesChanged();
}

void PageFetch::setBusy(bool busy)
{
    if (busy == m_busy)
        return;
    m_busy = busy;
    emit busyChanged();
}

bool PageFetch::fetch(const QString &url)
{
    if (m_busy)
        return false;
    ++m_generation;
    m_url = url;
    m_body.clear();
    m_status = 0;
    m_timedOut = false;
    m_truncated = false;
    setBusy(true);

    const QUrl address(url, QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || address.host().isEmpty()
        || (scheme != "http"_L1 && scheme != "https"_L1)) {
        // Reported on the next turn of the event loop, like any other fetch.
        const quint64 generation = m_generation;
        QTimer::singleShot(0, this, [this, generation, url] {
            if (generation == m_generation && m_busy)
                report(url, 0, {});
        });
        return true;
    }

    QNetworkRequest request(address);
    request.setMaximumRedirectsAllowed(5);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &PageFetch::read);
    connect(m_reply, &QNetworkReply::finished, this, &PageFetch::end);
    m_deadline.start(m_timeLimit);
    return true;
}

void PageFetch::cancel()
{
    ++m_generation;
    m_deadline.stop();
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_body.clear();
    setBusy(false);
}

void PageFetch::read()
{
    if (!m_reply || m_truncated)
        return;
    const int status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // Only a page answered with 200 is read; a redirect's own body is skipped.
    if (status != 200) {
        m_reply->skip(m_reply->bytesAvailable());
        return;
    }
    const qint64 room = m_maxBytes - m_body.size();
    if (room > 0)
        m_body += m_reply->read(room);
    if (m_body.size() >= m_maxBytes) {
        // Enough of this page: what came is searched, the rest never fetched.
        // An address cut at the bound would come out as another address:
        // the text ends at the last character that cannot be part of one.
        qsizetype end = m_body.size();
        while (end > 0 && isAddressByte(m_body.at(end - 1)))
            --end;
        m_body.truncate(end);
        m_truncated = true;
        m_status = 200;
        m_reply->abort();
    }
}

void PageFetch::end()
{
    m_deadline.stop();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    int status = m_status;
    if (status == 0 && !m_timedOut) {
        status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status == 200 && reply->isOpen()) {
            const qint64 room = m_maxBytes - m_body.size();
            if (room > 0)
                m_body += reply->read(room);
        }
        // A page broken off half-way is no page.
        if (status == 200 && reply->error() != QNetworkReply::NoError)
            status = 0;
    }
    reply->deleteLater();
    const QByteArray body = status == 200 ? m_body : QByteArray();
    m_body.clear();
    report(m_url, status, body);
}

void PageFetch::report(const QString &url, int status, const QByteArray &body)
{
    if (body.isEmpty()) {
        setBusy(false);
        emit finished(url, status, {});
        return;
    }
    // Searching a large page takes a while: done on a thread of its own,
    // reported back here unless the fetch was cancelled meanwhile.
    const quint64 generation = m_generation;
    auto found = std::make_shared<QStringList>();
    QThread *worker = QThread::create([found, body] {
        // Addresses are ASCII: Latin-1 keeps every byte as one character.
        *found = addressesIn(QString::fromLatin1(body));
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, [this, generation, found, url, status] {
        if (generation != m_generation)
            return;
        setBusy(false);
        emit finished(url, status, *found);
    });
    worker->start();
}

namespace {

bool isAddressByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
           || c == '-' || c == '_' || c == '%' || c == '+' || c == '@';
}

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isDomainChar(QChar c)
{
    return isLetter(c) || (c >= u'0' && c <= u'9') || c == u'.' || c == u'-';
}

bool isLocalChar(QChar c)
{
    return isDomainChar(c) || c == u'_' || c == u'%' || c == u'+';
}

} // namespace

// The matches of [a-zA-Z0-9._%+-]+@[a-zA-Z0-9.-]+\.[a-zA-Z]{2,}, left to
// right, found in one pass: a backtracking search takes quadratic time on a
// long run of name characters, which a hostile page can hold.
QStringList PageFetch::addressesIn(const QString &text, int limit)
{
    QStringList addresses;
    QSet<QString> seen;
    const qsizetype n = text.size();
    qsizetype from = 0;
    qsizetype at = text.indexOf(u'@', from);
    while (at >= 0 && addresses.size() < limit) {
        qsizetype start = at;
        while (start > from && isLocalChar(text[start - 1]))
            --start;
        qsizetype runEnd = at + 1;
        while (runEnd < n && isDomainChar(text[runEnd]))
            ++runEnd;
        // The last dot with at least one character before it (after the
        // "@") and two letters after it ends the domain, with every letter
        // that follows it.
        qsizetype dot = -1;
        for (qsizetype q = runEnd - 3; q >= at + 2; --q) {
            if (text[q] == u'.' && isLetter(text[q + 1]) && isLetter(text[q + 2])) {
                dot = q;
                break;
            }
        }
        if (start == at || dot < 0) {
            at = text.indexOf(u'@', at + 1);
            continue;
        }
        qsizetype end = dot + 1;
        while (end < runEnd && isLetter(text[end]))
            ++end;
        const QString address = text.mid(start, end - start);
        if (!seen.contains(address)) {
            seen.insert(address);
            addresses.append(address);
        }
        from = end;
        at = text.indexOf(u'@', end);
    }
    return addresses;
}
