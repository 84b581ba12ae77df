#include <gmime/gmime.h>

#include "mail/MimeMessage.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <mutex>

using namespace Qt::Literals::StringLiterals;

void MimeMessage::initGMime()
{
    static std::once_flag once;
    std::call_once(once, [] { g_mime_init(); });
}

namespace {

GMimeDataWrapper *wrap(const QByteArray &bytes)
{
    GMimeStream *stream = g_mime_stream_mem_new_with_buffer(bytes.constData(), bytes.size());
    GMimeDataWrapper *wrapper = g_mime_data_wrapper_new_with_stream(stream,
                                                                    GMIME_CONTENT_ENCODING_DEFAULT);
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
    QByteArray bytes = file.data;
    if (bytes.isNull()) {
        QFile source(file.path);
        if (!source.open(QIODevice::ReadOnly))
            return nullptr;
        bytes = source.readAll();
    }

    const QByteArray type = file.contentType.toUtf8();
    const qsizetype slash = type.indexOf('/');
    const QByteArray major = slash > 0 ? type.left(slash) : QByteArrayLiteral("application");
    const QByteArray minor = slash > 0 ? type.mid(slash + 1) : QByteArrayLiteral("octet-stream");

    GMimePart *part = g_mime_part_new_with_type(major.constData(), minor.constData());
    GMimeDataWrapper *wrapper = wrap(bytes);
    g_mime_part_set_content(part, wrapper);
    g_object_unref(wrapper);
    g_mime_part_set_content_encoding(part, GMIME_CONTENT_ENCODING_BASE64);
    // Without a charset a reader guesses, and names in accented letters come out garbled.
    if (major == "text")
        g_mime_object_set_content_type_parameter(GMIME_OBJECT(part), "charset",
                                                 MimeMessage::charsetOf(bytes).constData());

    const bool isInline = !file.contentId.isEmpty();
    g_mime_object_set_disposition(GMIME_OBJECT(part), isInline ? "inline" : "attachment");
    // The base name only: the local path would show the user's folders. A
    // name cannot break the header it is written into.
    const QString name = file.fileName.isEmpty() ? QFileInfo(file.path).fileName() : file.fileName;
    g_mime_part_set_filename(part, MimeMessage::headerSafe(name).toUtf8().constData());
    if (isInline)
        g_mime_object_set_content_id(GMIME_OBJECT(part), file.contentId.toUtf8().constData());
    return GMIME_OBJECT(part);
}

GMimeMultipart *multipart(const char *subtype, const QList<GMimeObject *> &parts)
{
    GMimeMultipart *container = g_mime_multipart_new_with_subtype(subtype);
    for (GMimeObject *part : parts) {
        g_mime_multipart_add(container, part);
        g_object_unref(part);
    }
    return container;
}

// The body: the text alone, or the HTML with its text version and its
// inline parts.
GMimeObject *bodyTree(const MimeContent &content)
{
    if (!content.html)
        return textPart(content.body, false);
    GMimeObject *html = textPart(content.body, true);
    QList<GMimeObject *> related{html};
    for (const MimeFilePart &file : content.inlineParts) {
        if (GMimeObject *part = filePart(file))
            related << part;
    }
    GMimeObject *rich = html;
    if (related.size() > 1) {
        GMimeMultipart *container = multipart("related", related);
        g_mime_object_set_content_type_parameter(GMIME_OBJECT(container), "type", "text/html");
        rich = GMIME_OBJECT(container);
    }
    return GMIME_OBJECT(multipart("alternative", {textPart(content.textVersion, false), rich}));
}

void addMailbox(GMimeMessage *message, GMimeAddressType type, const QString &name,
                const QString &address)
{
    const QByteArray utf8Name = MimeMessage::headerText(name);
    g_mime_message_add_mailbox(message, type, utf8Name.isEmpty() ? nullptr : utf8Name.constData(),
                               address.toUtf8().constData());
}

} // namespace

QString MimeMessage::headerSafe(const QString &text)
{
    static const QRegularExpression controls(
            u"[\\x{0}-\\x{1f}\\x{7f}-\\x{9f}\\x{2028}\\x{2029}]+"_s);
    QString safe = text;
    return safe.replace(controls, u" "_s);
}

QByteArray MimeMessage::encodedWords(const QString &text)
{
    // Quoted-printable words ("Q"): unlike base64 they decode alike however a
    // reader joins neighbouring words (GMime's parser stops at the padding
    // of a base64 word followed by another). With "=?utf-8?q?" and "?=" a
    // word holds 63 characters and stays within the 75 a reader accepts;
    // words end between characters, never inside one. Only characters that
    // a display name may carry in an encoded word are left as they are.
    constexpr qsizetype maxEncoded = 63;
    QByteArrayList words;
    QByteArray word;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QByteArray encoded;
        for (const char c : text.mid(i, length).toUtf8()) {
            const auto byte = static_cast<unsigned char>(c);
            if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')
                || (byte >= '0' && byte <= '9') || byte == '!' || byte == '*' || byte == '+'
                || byte == '-' || byte == '/')
                encoded += c;
            else if (byte == ' ')
                encoded += '_';
            else
                encoded += '=' + QByteArray::number(byte, 16).rightJustified(2, '0').toUpper();
        }
        if (word.size() + encoded.size() > maxEncoded) {
            words << "=?utf-8?q?" + word + "?=";
            word.clear();
        }
        word += encoded;
        i += length;
    }
    if (!word.isEmpty())
        words << "=?utf-8?q?" + word + "?=";
    return words.join(' ');
}

QByteArray MimeMessage::headerText(const QString &text)
{
    const QString safe = headerSafe(text);
    // A reader decodes whatever looks like an encoded word, and GMime passes
    // such text through as it is: encoded, it reads as typed.
    const qsizetype open = safe.indexOf("=?"_L1);
    if (open >= 0 && safe.indexOf("?="_L1, open + 2) >= 0)
        return encodedWords(safe);
    return safe.toUtf8();
}

QByteArray MimeMessage::charsetOf(const QByteArray &text)
{
    if (text.startsWith("\xEF\xBB\xBF"))
        return QByteArrayLiteral("utf-8");
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF"))
        return QByteArrayLiteral("utf-16");
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(text);
    return decoder.hasError() ? QByteArrayLiteral("iso-8859-1") : QByteArrayLiteral("utf-8");
}

QByteArray MimeMessage::build(const MimeContent &content)
{
    MimeMessage::initGMime();

    GMimeMessage *message = g_mime_message_new(TRUE);
    addMailbox(message, GMIME_ADDRESS_TYPE_FROM, content.senderName, content.senderAddress);
    addMailbox(message, GMIME_ADDRESS_TYPE_TO, content.recipientName, content.recipientAddress);
    g_mime_message_set_subject(message, headerText(content.subject).constData(), "utf-8");

    GDateTime *now = g_date_time_new_now_local();
    g_mime_message_set_date(message, now);
    g_date_time_unref(now);

    const qsizetype at = content.senderAddress.lastIndexOf(QLatin1Char('@'));
    QByteArray domain = at >= 0 ? content.senderAddress.mid(at + 1).toUtf8() : QByteArray();
    if (domain.isEmpty())
        domain = QByteArrayLiteral("localhost");
    // A Message-ID given is one the run made: letters, digits and a few
    // marks around one "@"; anything else would not be ours.
    static const QRegularExpression ownId(u"^[A-Za-z0-9._-]{1,64}@[A-Za-z0-9.-]{1,253}$"_s);
    if (ownId.match(content.messageId).hasMatch()) {
        g_mime_message_set_message_id(message, content.messageId.toUtf8().constData());
    } else {
        char *messageId = g_mime_utils_generate_message_id(domain.constData());
        g_mime_message_set_message_id(message, messageId);
        g_free(messageId);
    }

    // Addresses we made ourselves (percent-encoded, ASCII); one holding a
    // line break or an angle bracket would break out of the header.
    static const QRegularExpression unsafe(u"[\\s<>\\x00-\\x1f\\x7f-\\x{10ffff}]"_s);
    QStringList unsubscribe;
    for (const QString &address : content.unsubscribeAddresses) {
        if (!address.contains(unsafe))
            unsubscribe.append(u'<' + address + u'>');
    }
    if (!unsubscribe.isEmpty()) {
        g_mime_object_set_header(GMIME_OBJECT(message), "List-Unsubscribe",
                                 unsubscribe.join(u", "_s).toLatin1().constData(), nullptr);
        // Written as it is, folded between the addresses: GMime would turn a
        // long address into encoded words, which mail providers do not read.
        if (GMimeHeader *header = g_mime_header_list_get_header(g_mime_object_get_header_list(
                                                                        GMIME_OBJECT(message)),
                                                                "List-Unsubscribe"))
            g_mime_header_set_raw_value(header, (u' ' + unsubscribe.join(u",\n "_s) + u'\n')
                                                        .toLatin1()
                                                        .constData());
        if (content.oneClickUnsubscribe && unsubscribe.size() == content.unsubscribeAddresses.size())
            g_mime_object_set_header(GMIME_OBJECT(message), "List-Unsubscribe-Post",
                                     "List-Unsubscribe=One-Click", nullptr);
    }

    GMimeObject *top = bodyTree(content);
    QList<GMimeObject *> mixed{top};
    for (const MimeFilePart &file : content.attachments) {
        if (GMimeObject *part = filePart(file))
            mixed << part;
    }
    if (mixed.size() > 1)
        top = GMIME_OBJECT(multipart("mixed", mixed));
    g_mime_message_set_mime_part(message, top);
    g_object_unref(top);

    GMimeFormatOptions *options = g_mime_format_options_new();
    g_mime_format_options_set_newline_format(options, GMIME_NEWLINE_FORMAT_DOS);
    GMimeStream *out = g_mime_stream_mem_new();
    g_mime_object_write_to_stream(GMIME_OBJECT(message), options, out);
    GByteArray *array = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(out));
    const QByteArray result(reinterpret_cast<const char *>(array->data),
                            static_cast<qsizetype>(array->len));
    g_object_unref(out);
    g_mime_format_options_free(options);
    g_object_unref(message);
    return result;
}
