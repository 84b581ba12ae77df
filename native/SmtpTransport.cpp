#include "SmtpTransport.h"

#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <mutex>

using namespace Qt::Literals::StringLiterals;

namespace {

void ensureCurl()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Upload
{
    const QByteArray *data;
    qsizetype offset = 0;
};

size_t readMessage(char *buffer, size_t size, size_t count, void *userdata)
{
    auto *upload = static_cast<Upload *>(userdata);
    const qsizetype wanted = static_cast<qsizetype>(size * count);
    const qsizetype chunk = std::min(wanted, upload->data->size() - upload->offset);
    std::memcpy(buffer, upload->data->constData() + upload->offset, static_cast<size_t>(chunk));
    upload->offset += chunk;
    return static_cast<size_t>(chunk);
}

struct Replies
{
    QByteArray last; // the last complete reply line the server sent
    bool recording = true;
};

int collectReplies(CURL *, curl_infotype type, char *data, size_t size, void *userdata)
{
    auto *replies = static_cast<Replies *>(userdata);
    // The reply to QUIT says nothing about the message: stop listening there.
    if (type == CURLINFO_HEADER_OUT && size >= 4 && qstrncmp(data, "QUIT", 4) == 0)
        replies->recording = false;
    if (type != CURLINFO_HEADER_IN || !replies->recording)
        return 0;
    const QList<QByteArray> lines = QByteArray(data, static_cast<qsizetype>(size)).split('\n');
    for (const QByteArray &line : lines) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            replies->last = trimmed;
    }
    return 0;
}

// The system's default bundle followed by the extra one, for CURLOPT_CAINFO_BLOB.
QByteArray caBundle(CURL *curl, const QString &extraFile)
{
    QFile extra(extraFile);
    if (extraFile.isEmpty() || !extra.open(QIODevice::ReadOnly))
        return {};
    QByteArray bundle;
    char *defaultPath = nullptr;
    if (curl_easy_getinfo(curl, CURLINFO_CAINFO, &defaultPath) == CURLE_OK && defaultPath) {
        QFile system(QString::fromLocal8Bit(defaultPath));
        if (system.open(QIODevice::ReadOnly))
            bundle = system.readAll() + '\n';
    }
    return bundle + extra.readAll();
}

long seconds(int ms)
{
    return std::max(1L, static_cast<long>((ms + 999) / 1000));
}

QString failureText(CURLcode code, const char *errorBuffer)
{
    QString text = QString::fromUtf8(errorBuffer).trimmed();
    if (text.isEmpty())
        text = QString::fromUtf8(curl_easy_strerror(code));
    switch (code) {
    case CURLE_OPERATION_TIMEDOUT:
        if (!text.contains("timed out"_L1, Qt::CaseInsensitive))
            text = u"Timed out: "_s + text;
        break;
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CACERT_BADFILE:
        if (!text.contains("certificate"_L1, Qt::CaseInsensitive))
            text = u"Server certificate not accepted: "_s + text;
        break;
    default:
        break;
    }
    return text;
}

} // namespace

SmtpTransport::Security SmtpTransport::securityFor(const QString &connection, quint16 port)
{
    if (connection == "SSL"_L1)
        return Security::ImplicitTls;
    if (connection == "TLS"_L1)
        return Security::StartTlsRequired;
    if (connection == "None"_L1)
        return Security::Plain;
    if (connection == "Auto"_L1 && port == 465)
        return Security::ImplicitTls;
    if (connection == "Auto"_L1 && port == 587)
        return Security::StartTlsRequired;
    // "Auto" on another port, or an unknown choice that still logs in: never
    // send the password in the clear when the server can do better.
    return Security::StartTlsIfOffered;
}

bool SmtpTransport::authenticates(const QString &connection, const QString &password)
{
    return connection != "None"_L1 && !password.isEmpty();
}

SmtpTransport::SmtpTransport(Settings settings) : m_settings(std::move(settings)) {}

SmtpTransport::Result SmtpTransport::deliver(const QString &from, const QString &to,
                                             const QByteArray &message) const
{
    ensureCurl();
    CURL *curl = curl_easy_init();
    if (!curl)
        return {false, u"Could not start the SMTP client"_s};

    QUrl url;
    url.setScheme(m_settings.security == Security::ImplicitTls ? u"smtps"_s : u"smtp"_s);
    url.setHost(m_settings.host);
    url.setPort(m_settings.port);
    const QByteArray urlBytes = url.toEncoded();
    const QByteArray mailFrom = '<' + from.toUtf8() + '>';
    const QByteArray user = m_settings.username.toUtf8();
    const QByteArray password = m_settings.password.toUtf8();
    char errorBuffer[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(curl, CURLOPT_URL, urlBytes.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);

    switch (m_settings.security) {
    case Security::Plain:
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_NONE));
        break;
    case Security::StartTlsIfOffered:
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
        break;
    case Security::StartTlsRequired:
    case Security::ImplicitTls:
        curl_easy_setopt(curl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
        break;
    }
    // Certificates are always verified; the extra authorities only add trust.
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    const QByteArray bundle = caBundle(curl, m_settings.extraCaFile);
    curl_blob blob{const_cast<char *>(bundle.constData()), static_cast<size_t>(bundle.size()),
                   CURL_BLOB_NOCOPY};
    if (!bundle.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO_BLOB, &blob);

    if (m_settings.authenticate) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(curl, CURLOPT_LOGIN_OPTIONS, "AUTH=LOGIN");
    }

    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_settings.connectTimeoutMs));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(m_settings.totalTimeoutMs));
    // Silence while waiting for a reply, and a stalled upload of the message.
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, seconds(m_settings.idleTimeoutMs));
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, seconds(m_settings.idleTimeoutMs));

    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, mailFrom.constData());
    const QByteArray rcptTo = '<' + to.toUtf8() + '>';
    curl_slist *recipients = curl_slist_append(nullptr, rcptTo.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, recipients);

    Upload upload{&message};
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, readMessage);
    curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));

    // The debug hook is how the server's reply lines reach us; nothing is printed.
    Replies replies;
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, collectReplies);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &replies);

    const CURLcode code = curl_easy_perform(curl);

    Result result;
    result.accepted = code == CURLE_OK;
    const QString lastReply = QString::fromUtf8(replies.last);
    const bool serverRefused = lastReply.startsWith(QLatin1Char('4')) || lastReply.startsWith(QLatin1Char('5'));
    if (result.accepted || serverRefused)
        result.text = lastReply;
    else
        result.text = failureText(code, errorBuffer);

    curl_slist_free_all(recipients);
    curl_easy_cleanup(curl);
    return result;
}
