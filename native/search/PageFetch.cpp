#include "search/PageFetch.h"
#include "net/WebAddress.h"

#include <QHostInfo>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSet>
#include <QThread>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {
bool isAddressByte(char c);
QByteArray hostHeader(const QUrl &url);
bool isConnectionFailure(QNetworkReply::NetworkError error);
} // namespace

PageFetch::PageFetch(QObject *parent) : QObject(parent)
{
    // Straight to the checked address: a proxy would resolve the name anew.
    m_network.setProxy(QNetworkProxy::NoProxy);
    m_network.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        if (m_reply) {
            m_reply->abort();
            return;
        }
        // Still resolving a name.
        if (m_lookup >= 0)
            QHostInfo::abortHostLookup(m_lookup);
        m_lookup = -1;
        ++m_generation;
        report(m_url, 0, {});
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

void PageFetch::setAllowedOrigin(const QUrl &origin)
{
    if (origin == m_allowedOrigin)
        return;
    m_allowedOrigin = origin;
    emit allowedOriginChanged();
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

    m_hop = address;
    m_redirects = 0;
    m_deadline.start(m_timeLimit);
    resolve();
    return true;
}

void PageFetch::cancel()
{
    ++m_generation;
    m_deadline.stop();
    if (m_lookup >= 0)
        QHostInfo::abortHostLookup(m_lookup);
    m_lookup = -1;
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

void PageFetch::resolve()
{
    const quint64 generation = ++m_generation;
    // A numeric host is its own address (a look-up would ask for its name).
    const QHostAddress literal(m_hop.host());
    if (!literal.isNull()) {
        QTimer::singleShot(0, this, [this, generation, literal] {
            if (generation == m_generation)
                resolved({literal});
        });
        return;
    }
    m_lookup = QHostInfo::lookupHost(m_hop.host(), this, [this, generation](const QHostInfo &info) {
        if (generation != m_generation)
            return;
        m_lookup = -1;
        resolved(info.error() == QHostInfo::NoError ? info.addresses() : QList<QHostAddress>());
    });
}

void PageFetch::resolved(const QList<QHostAddress> &addresses)
{
    // The web service's own site may be anywhere; any other page only on the
    // public internet, with every address its name has.
    const bool own = WebAddress::isSameOrigin(m_hop, m_allowedOrigin);
    if (addresses.isEmpty()
        || (!own && !std::all_of(addresses.begin(), addresses.end(), WebAddress::isPublic))) {
        m_deadline.stop();
        report(m_url, 0, {});
        return;
    }
    m_addresses = addresses;
    connectTo(0);
}

void PageFetch::connectTo(int attempt)
{
    m_attempt = attempt;
    QUrl target = m_hop;
    target.setUserInfo({});
    target.setHost(m_addresses.at(attempt).toString());
    QNetworkRequest request(target);
    // Asked for by its name: the site by its Host header, and over https
    // the certificate checked against that name.
    request.setRawHeader("Host", hostHeader(m_hop));
    request.setPeerVerifyName(m_hop.host(QUrl::FullyEncoded));
    // HTTP/2 would name the site by the address connected to instead.
    request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    // Sites that share an address share no cookies through it.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::readyRead, this, &PageFetch::read);
    connect(m_reply, &QNetworkReply::finished, this, &PageFetch::end);
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
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    reply->deleteLater();
    int status = m_status;
    if (status == 0 && !m_timedOut) {
        status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        // This address did not answer; the name's others were checked alike.
        if (status == 0 && isConnectionFailure(reply->error())
            && m_attempt + 1 < m_addresses.size()) {
            connectTo(m_attempt + 1);
            return;
        }
        if (status == 301 || status == 302 || status == 303 || status == 307 || status == 308) {
            if (follow(reply))
                return;
            status = 0;
        }
        if (status == 200 && reply->isOpen()) {
            const qint64 room = m_maxBytes - m_body.size();
            if (room > 0)
                m_body += reply->read(room);
        }
        // A page broken off half-way is no page.
        if (status == 200 && reply->error() != QNetworkReply::NoError)
            status = 0;
    }
    m_deadline.stop();
    const QByteArray body = status == 200 ? m_body : QByteArray();
    m_body.clear();
    report(m_url, status, body);
}

// Takes the redirect of `reply` as the next hop, resolved and checked like
// the first; false when it may not be followed: no web address, https to
// http, or one hop too many.
bool PageFetch::follow(QNetworkReply *reply)
{
    const QByteArray location = reply->rawHeader("Location");
    if (location.isEmpty() || m_redirects >= maxRedirects)
        return false;
    const QUrl next = m_hop.resolved(QUrl::fromEncoded(location, QUrl::StrictMode));
    const QString scheme = next.scheme().toLower();
    const bool web = scheme == "https"_L1
                     || (scheme == "http"_L1 && m_hop.scheme().toLower() != "https"_L1);
    if (!next.isValid() || !web || next.host().isEmpty())
        return false;
    m_hop = next;
    ++m_redirects;
    resolve();
    return true;
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

QByteArray hostHeader(const QUrl &url)
{
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1)
        host += ':' + QByteArray::number(url.port());
    return host;
}

bool isConnectionFailure(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return true;
    default:
        return false;
    }
}

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
