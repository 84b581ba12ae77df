#include <gmime/gmime.h>

#include "MimeMessageBuilder.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <mutex>

using namespace Qt::Literals::StringLiterals;

namespace {

void ensureGMime()
{
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

GMimeDataWrapper *wrap(const QByteArray &bytes)
{
    GMimeStream *stream = g_mime_stream_mem_new_with_buffer(bytes.constData(), bytes.size());
    GMimeDataWrapper *wrapper = g_mime_data_wrapper_new_with_stream(stream, GMIME_CONTENT_ENCODING_DEFAULT);
    g_object_unref(stream);
    return wrapper;
}

GMimeObject *textPart(const QString &body, bool html)
{
    // Canonical line ends are CR LF on the wire; the writer adds the CR.
    QString text = body;
    text.replace("\r\n"_L1, "\n"_L1);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    GMimeTextPart *part = g_mime_text_part_new_with_subtype(html ? "html" : "plain");
    GMimeDataWrapper *wrapper = wrap(text.toUtf8());
    g_mime_part_set_content(GMIME_PART(part), wrapper);
    g_object_unref(wrapper);
    g_mime_text_part_set_charset(part, "utf-8");
    g_mime_part_set_content_encoding(GMIME_PART(part), GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE);
    return GMIME_OBJECT(part);
}

GMimeObject *filePart(const MimeFilePart &file)
{
    QFile source(file.path);
    if (!source.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray bytes = source.readAll();

    const QByteArray type = file.contentType.toUtf8();
    const qsizetype slash = type.indexOf('/');
    const QByteArray major = slash > 0 ? type.left(slash) : QByteArrayLiteral("application");
    const QByteArray minor = slash > 0 ? type.mid(slash + 1) : QByteArrayLiteral("octet-stream");

    GMimePart *part = g_mime_part_new_with_type(major.constData(), minor.constData());
    GMimeDataWrapper *wrapper = wrap(bytes);
    g_mime_part_set_content(part, wrapper);
    g_object_unref(wrapper);
    g_mime_part_set_content_encoding(part, GMIME_CONTENT_ENCODING_BASE64);

    const bool isInline = !file.contentId.isEmpty();
    g_mime_object_set_disposition(GMIME_OBJECT(part), isInline ? "inline" : "attachment");
    // The base name only: the local path would show the user's folders.
    g_mime_part_set_filename(part, QFileInfo(file.path).fileName().toUtf8().constData());
    if (isInline)
        g_mime_object_set_content_id(GMIME_OBJECT(part), file.contentId.toUtf8().constData());
    return GMIME_OBJECT(part);
}

void addMailbox(GMimeMessage *message, GMimeAddressType type, const QString &name, const QString &address)
{
    const QByteArray utf8Name = MimeMessageBuilder::foldLineBreaks(name).toUtf8();
    g_mime_message_add_mailbox(message, type, utf8Name.isEmpty() ? nullptr : utf8Name.constData(),
                               address.toUtf8().constData());
}

} // namespace

QString MimeMessageBuilder::foldLineBreaks(const QString &text)
{
    static const QRegularExpression breaks(u"[\\r\\n]+"_s);
    QString folded = text;
    return folded.replace(breaks, u" "_s);
}

QByteArray MimeMessageBuilder::build(const MimeContent &content)
{
    ensureGMime();

    GMimeMessage *message = g_mime_message_new(TRUE);
    addMailbox(message, GMIME_ADDRESS_TYPE_FROM, content.senderName, content.senderAddress);
    addMailbox(message, GMIME_ADDRESS_TYPE_TO, content.recipientName, content.recipientAddress);
    g_mime_message_set_subject(message, foldLineBreaks(content.subject).toUtf8().constData(), "utf-8");

    GDateTime *now = g_date_time_new_now_local();
    g_mime_message_set_date(message, now);
    g_date_time_unref(now);

    const qsizetype at = content.senderAddress.lastIndexOf(QLatin1Char('@'));
    QByteArray domain = at >= 0 ? content.senderAddress.mid(at + 1).toUtf8() : QByteArray();
    if (domain.isEmpty())
        domain = QByteArrayLiteral("localhost");
    char *messageId = g_mime_utils_generate_message_id(domain.constData());
    g_mime_message_set_message_id(message, messageId);
    g_free(messageId);

    GMimeMultipart *mixed = g_mime_multipart_new_with_subtype("mixed");
    GMimeObject *body = textPart(content.body, content.html);
    g_mime_multipart_add(mixed, body);
    g_object_unref(body);
    for (const QList<MimeFilePart> *files : {&content.inlineParts, &content.attachments}) {
        for (const MimeFilePart &file : *files) {
            if (GMimeObject *part = filePart(file)) {
                g_mime_multipart_add(mixed, part);
                g_object_unref(part);
            }
        }
    }
    g_mime_message_set_mime_part(message, GMIME_OBJECT(mixed));
    g_object_unref(mixed);

    GMimeFormatOptions *options = g_mime_format_options_new();
    g_mime_format_options_set_newline_format(options, GMIME_NEWLINE_FORMAT_DOS);
    GMimeStream *out = g_mime_stream_mem_new();
    g_mime_object_write_to_stream(GMIME_OBJECT(message), options, out);
    GByteArray *array = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(out));
    const QByteArray result(reinterpret_cast<const char *>(array->data), static_cast<qsizetype>(array->len));
    g_object_unref(out);
    g_mime_format_options_free(options);
    g_object_unref(message);
    return result;
}
