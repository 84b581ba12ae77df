// GLib names a struct member "signals", which Qt defines as a keyword.
#include <gmime/gmime.h>

#include "MailServers.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// One set of servers for the whole test program, shared by every suite file.
struct Servers
{
    QTemporaryDir work;
    QProcess process;
    QJsonObject info;
};

Servers *servers = nullptr;

QString owned(char *text)
{
    const QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
}

QString decodeText(const QByteArray &data, const char *charset)
{
    QStringDecoder decoder(charset && *charset ? charset : "UTF-8");
    if (!decoder.isValid())
        return QString::fromUtf8(data);
    return decoder.decode(data);
}

QVariantList addresses(InternetAddressList *list, bool names)
{
    QVariantList result;
    if (!list)
        return result;
    for (int i = 0; i < internet_address_list_length(list); ++i) {
        InternetAddress *one = internet_address_list_get_address(list, i);
        if (names)
            result << QString::fromUtf8(internet_address_get_name(one));
        else if (INTERNET_ADDRESS_IS_MAILBOX(one))
            result << QString::fromUtf8(
                    internet_address_mailbox_get_addr(INTERNET_ADDRESS_MAILBOX(one)));
    }
    return result;
}

// Walks the message tree; leaf parts are listed, and the first text/plain and
// text/html bodies are kept decoded.
void collect(GMimeObject *object, QVariantMap &mail, QVariantList &parts)
{
    if (GMIME_IS_MULTIPART(object)) {
        GMimeMultipart *multipart = GMIME_MULTIPART(object);
        for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i)
            collect(g_mime_multipart_get_part(multipart, i), mail, parts);
        return;
    }
    if (!GMIME_IS_PART(object))
        return;
    GMimePart *leaf = GMIME_PART(object);
    GMimeContentType *type = g_mime_object_get_content_type(object);
    const QString mimeType = owned(g_mime_content_type_get_mime_type(type)).toLower();

    QByteArray data;
    if (GMimeDataWrapper *content = g_mime_part_get_content(leaf)) {
        GMimeStream *out = g_mime_stream_mem_new();
        g_mime_data_wrapper_write_to_stream(content, out);
        GByteArray *bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(out));
        data = QByteArray(reinterpret_cast<const char *>(bytes->data), bytes->len);
        g_object_unref(out);
    }
    const char *disposition = g_mime_object_get_disposition(object);
    const bool attached = disposition && g_ascii_strcasecmp(disposition, "attachment") == 0;
    const char *charset = g_mime_content_type_get_parameter(type, "charset");
    if (!attached && mimeType == "text/plain"_L1 && !mail.contains(u"text"_s))
        mail[u"text"_s] = decodeText(data, charset);
    if (!attached && mimeType == "text/html"_L1 && !mail.contains(u"html"_s))
        mail[u"html"_s] = decodeText(data, charset);

    QVariantMap part;
    part[u"contentType"_s] = mimeType;
    part[u"fileName"_s] = QString::fromUtf8(g_mime_part_get_filename(leaf));
    part[u"contentId"_s] = QString::fromUtf8(g_mime_object_get_content_id(object));
    part[u"disposition"_s] = QString::fromUtf8(disposition);
    part[u"size"_s] = data.size();
    parts << part;
}

// The MIME tree, as "multipart/mixed(text/plain,application/pdf)".
QString structure(GMimeObject *object)
{
    const QString type = owned(g_mime_content_type_get_mime_type(
                                       g_mime_object_get_content_type(object)))
                                 .toLower();
    if (!GMIME_IS_MULTIPART(object))
        return type;
    QStringList children;
    GMimeMultipart *multipart = GMIME_MULTIPART(object);
    for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i)
        children << structure(g_mime_multipart_get_part(multipart, i));
    return type + u"("_s + children.join(QLatin1Char(',')) + u")"_s;
}

QVariantMap parse(const QByteArray &raw, const QJsonObject &meta)
{
    QVariantMap mail;
    mail[u"envelopeFrom"_s] = meta.value("mail_from"_L1).toString();
    mail[u"envelopeTo"_s] = meta.value("rcpt_tos"_L1).toArray().toVariantList();
    mail[u"listener"_s] = meta.value("listener"_L1).toString();
    mail[u"login"_s] = meta.value("login"_L1).toString();
    mail[u"tls"_s] = meta.value("tls"_L1).toBool();

    GMimeStream *stream = g_mime_stream_mem_new_with_buffer(raw.constData(), raw.size());
    GMimeParser *parser = g_mime_parser_new_with_stream(stream);
    GMimeMessage *message = g_mime_parser_construct_message(parser, nullptr);
    g_object_unref(parser);
    g_object_unref(stream);
    if (!message)
        return mail;
    mail[u"subject"_s] = QString::fromUtf8(g_mime_message_get_subject(message));
    mail[u"messageId"_s] = QString::fromUtf8(g_mime_message_get_message_id(message));
    // As it travels, only unfolded: providers read it raw, so an encoded word fails the suites.
    GMimeHeader *unsubscribe = g_mime_header_list_get_header(g_mime_object_get_header_list(
                                                                     GMIME_OBJECT(message)),
                                                             "List-Unsubscribe");
    const char *rawUnsubscribe = unsubscribe ? g_mime_header_get_raw_value(unsubscribe) : nullptr;
    mail[u"listUnsubscribe"_s]
            = rawUnsubscribe
                      ? QString::fromLatin1(rawUnsubscribe).remove(u'\r').remove(u'\n').trimmed()
                      : QString();
    const char *oneClick = g_mime_object_get_header(GMIME_OBJECT(message), "List-Unsubscribe-Post");
    mail[u"listUnsubscribePost"_s] = oneClick ? QString::fromUtf8(oneClick).trimmed() : QString();
    const QVariantList from = addresses(g_mime_message_get_from(message), false);
    const QVariantList fromNames = addresses(g_mime_message_get_from(message), true);
    mail[u"from"_s] = from.value(0).toString();
    mail[u"fromName"_s] = fromNames.value(0).toString();
    mail[u"to"_s] = addresses(g_mime_message_get_to(message), false);
    mail[u"toNames"_s] = addresses(g_mime_message_get_to(message), true);

    QVariantList parts;
    collect(g_mime_message_get_mime_part(message), mail, parts);
    mail[u"parts"_s] = parts;
    mail[u"structure"_s] = structure(g_mime_message_get_mime_part(message));
    if (!mail.contains(u"text"_s))
        mail[u"text"_s] = QString();
    if (!mail.contains(u"html"_s))
        mail[u"html"_s] = QString();
    g_object_unref(message);
    return mail;
}

QString inbox()
{
    return servers ? servers->info.value("inbox"_L1).toString() : QString();
}

// Messages are numbered 1, 2, … in arrival order.
QList<int> received()
{
    QList<int> numbers;
    const QStringList names = QDir(inbox()).entryList({u"*.eml"_s}, QDir::Files);
    for (const QString &name : names)
        numbers << name.chopped(4).toInt();
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

} // namespace

QString MailServers::host() const
{
    return u"127.0.0.1"_s;
}

QString MailServers::user() const
{
    return servers ? servers->info.value("user"_L1).toString() : QString();
}

QString MailServers::password() const
{
    return servers ? servers->info.value("password"_L1).toString() : QString();
}

bool MailServers::start()
{
    if (servers)
        return !servers->info.isEmpty();
    g_mime_init();
    servers = new Servers;
    const QString script = qEnvironmentVariable("PARVANE_SOURCE_DIR")
                           + u"/tests/servers/mail_servers.py"_s;
    if (!servers->work.isValid() || !QFile::exists(script)) {
        qWarning("MailServers: no work folder, or %s is missing", qPrintable(script));
        return false;
    }
    const QString folder = servers->work.path() + u"/servers"_s;
    QDir().mkpath(folder);
    servers->process.setProgram(u"/usr/bin/python3"_s);
    servers->process.setArguments({script, folder});
    servers->process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    servers->process.start();
    if (!servers->process.waitForStarted(5000)) {
        qWarning("MailServers: python3 did not start");
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    while (!servers->process.canReadLine() && clock.elapsed() < 30000)
        servers->process.waitForReadyRead(500);
    servers->info = QJsonDocument::fromJson(servers->process.readLine()).object();
    if (servers->info.isEmpty()) {
        qWarning("MailServers: the servers did not report their ports");
        return false;
    }
    qputenv("PARVANE_SMTP_CA_FILE", servers->info.value("ca"_L1).toString().toLocal8Bit());
    emit started();
    return true;
}

int MailServers::port(const QString &listener) const
{
    return servers ? servers->info.value("ports"_L1).toObject().value(listener).toInt() : 0;
}

void MailServers::clearInbox() const
{
    QDir folder(inbox());
    if (inbox().isEmpty())
        return;
    for (const QString &name : folder.entryList(QDir::Files))
        folder.remove(name);
}

int MailServers::count() const
{
    return int(received().size());
}

QVariantList MailServers::messages() const
{
    QVariantList result;
    const QString folder = inbox();
    for (int number : received()) {
        const QString base = folder + u'/' + QString::number(number);
        QFile raw(base + u".eml"_s);
        QFile meta(base + u".json"_s);
        if (!raw.open(QIODevice::ReadOnly) || !meta.open(QIODevice::ReadOnly))
            continue;
        result << parse(raw.readAll(), QJsonDocument::fromJson(meta.readAll()).object());
    }
    return result;
}

void MailServers::shutdown()
{
    if (!servers)
        return;
    // The servers leave when their standard input closes.
    servers->process.closeWriteChannel();
    if (!servers->process.waitForFinished(5000)) {
        servers->process.kill();
        servers->process.waitForFinished(2000);
    }
    delete servers;
    servers = nullptr;
}
