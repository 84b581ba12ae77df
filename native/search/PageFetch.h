#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class QNetworkReply;

// Fetches one web page for the address search and hands back the e-mail
// addresses found in it, never the page itself. Pages are hostile: only http
// and https are fetched, the whole fetch is bounded in time and in size
// (what came within the bound is used), and the text is searched for
// addresses on a worker thread so a large page never stalls the window.
// Only public addresses are reached: each page and each redirect is
// resolved here, every address it resolves to is checked, and the
// connection goes to a checked address, so that neither a numeric spelling
// nor a name that resolves differently the second time reaches the user's
// own machine or network. Redirects are followed here, one hop at a time.
// One page at a time; reports each fetch once by finished().
class PageFetch : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    // Longest time for one page, redirects included (milliseconds).
    Q_PROPERTY(int timeLimit READ timeLimit WRITE setTimeLimit NOTIFY timeLimitChanged)
    // Most bytes of one page that are read; the rest is not fetched.
    Q_PROPERTY(int maxBytes READ maxBytes WRITE setMaxBytes NOTIFY maxBytesChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)
    // The web service's site (any address of it; its scheme, host and port
    // count): its pages are fetched wherever it is, loopback included.
    Q_PROPERTY(QUrl allowedOrigin READ allowedOrigin WRITE setAllowedOrigin NOTIFY
                       allowedOriginChanged)

public:
    static constexpr int defaultTimeLimit = 15000;
    static constexpr int defaultMaxBytes = 2 * 1024 * 1024;
    // Bound on the addresses handed back for one page.
    static constexpr int maxAddresses = 5000;
    static constexpr int maxRedirects = 5;

    explicit PageFetch(QObject *parent = nullptr);
    ~PageFetch() override;

    int timeLimit() const { return m_timeLimit; }
    void setTimeLimit(int ms);
    int maxBytes() const { return m_maxBytes; }
    void setMaxBytes(int bytes);
    bool busy() const { return m_busy; }
    QUrl allowedOrigin() const { return m_allowedOrigin; }
    void setAllowedOrigin(const QUrl &origin);

    // Starts fetching `url`. Refused (false, and no report) while a fetch is
    // under way. A link that is not http or https reports at once, empty.
    Q_INVOKABLE bool fetch(const QString &url);
    // Drops the fetch under way without a report.
    Q_INVOKABLE void cancel();

    // The distinct addresses of `text`, in order of first appearance, at
    // most `limit` of them.
    static QStringList addressesIn(const QString &text, int limit = maxAddresses);

signals:
    // `status` is the HTTP status, 0 when no page came: not in time, an
    // address that is not public, a refused redirect. The addresses are
    // those of a page answered with 200 only.
    void finished(const QString &url, int status, const QStringList &addresses);
    void timeLimitChanged();
    void maxBytesChanged();
    void busyChanged();
    void allowedOriginChanged();

private:
    void resolve();
    void resolved(const QList<QHostAddress> &addresses);
    void connectTo(int attempt);
    void read();
    void end();
    bool follow(QNetworkReply *reply);
    void report(const QString &url, int status, const QByteArray &body);
    void setBusy(bool busy);

    QNetworkAccessManager m_network;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    QByteArray m_body;
    QString m_url;
    QUrl m_allowedOrigin;
    // The address of the current hop as named, and where it resolved to.
    QUrl m_hop;
    QList<QHostAddress> m_addresses;
    int m_attempt = 0;
    int m_redirects = 0;
    int m_lookup = -1;
    int m_timeLimit = defaultTimeLimit;
    int m_maxBytes = defaultMaxBytes;
    int m_status = 0;
    bool m_timedOut = false;
    bool m_truncated = false;
    bool m_busy = false;
    // Tells a late extraction result from an earlier, cancelled fetch.
    quint64 m_generation = 0;
};
