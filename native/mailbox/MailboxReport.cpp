#include <gmime/gmime.h>

#include "mailbox/MailboxReport.h"

#include "mail/MimeMessage.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace MailboxReport {

namespace {

template<typename T>
struct Unref
{
    T *object;
    ~Unref()
    {
        if (object)
            g_object_unref(object);
    }
};

// A leaf part's content, its transfer encoding undone.
QByteArray contentOf(GMimeObject *object)
{
    if (!GMIME_IS_PART(object))
        return {};
    GMimeDataWrapper *wrapper = g_mime_part_get_content(GMIME_PART(object));
    if (!wrapper)
        return {};
    Unref<GMimeStream> stream{g_mime_stream_mem_new()};
    g_mime_data_wrapper_write_to_stream(wrapper, stream.object);
    GByteArray *bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(stream.object));
    return QByteArray(reinterpret_cast<const char *>(bytes->data), qsizetype(bytes->len));
}

bool isType(GMimeObject *object, const char *type, const char *subtype)
{
    GMimeContentType *content = g_mime_object_get_content_type(object);
    return content && g_mime_content_type_is_type(content, type, subtype);
}

QString header(GMimeObject *object, const char *name)
{
    const char *value = g_mime_object_get_header(object, name);
    return value ? QString::fromUtf8(value).simplified() : QString();
}

QString withoutBrackets(QString id)
{
    id = id.trimmed();
    if (id.startsWith(u'<') && id.endsWith(u'>'))
        id = id.mid(1, id.size() - 2);
    return id;
}

// "rfc822; someone@example.com" (an address type, then the address).
QString addressField(const QString &value)
{
    const qsizetype semicolon = value.indexOf(u';');
    QString address = (semicolon >= 0 ? value.mid(semicolon + 1) : value).trimmed();
    return withoutBrackets(address);
}

QString valueOf(const QList<std::pair<QString, QString>> &block, QLatin1StringView name)
{
    for (const auto &[key, value] : block) {
        if (key == name)
            return value;
    }
    return QString();
}

// The Message-ID of the original message a report carries, whole or as headers.
QString originalId(GMimeMultipart *report)
{
    for (int i = 0; i < g_mime_multipart_get_count(report); ++i) {
        GMimeObject *part = g_mime_multipart_get_part(report, i);
        if (GMIME_IS_MESSAGE_PART(part)) {
            GMimeMessage *original = g_mime_message_part_get_message(GMIME_MESSAGE_PART(part));
            if (original && g_mime_message_get_message_id(original))
                return withoutBrackets(QString::fromUtf8(g_mime_message_get_message_id(original)));
        }
        // Its headers alone: "message/global-headers" when they hold UTF-8 (RFC 6533).
        if (isType(part, "text", "rfc822-headers") || isType(part, "message", "global-headers")) {
            for (const auto &block : statusBlocks(contentOf(part))) {
                const QString id = valueOf(block, "message-id"_L1);
                if (!id.isEmpty())
                    return withoutBrackets(id);
            }
        }
    }
    return QString();
}

// The original message's To, for a feedback report that names no recipient.
QString originalRecipient(GMimeMultipart *report)
{
    for (int i = 0; i < g_mime_multipart_get_count(report); ++i) {
        GMimeObject *part = g_mime_multipart_get_part(report, i);
        if (!GMIME_IS_MESSAGE_PART(part))
            continue;
        GMimeMessage *original = g_mime_message_part_get_message(GMIME_MESSAGE_PART(part));
        InternetAddressList *to = original ? g_mime_message_get_to(original) : nullptr;
        if (to && internet_address_list_length(to) > 0) {
            InternetAddress *first = internet_address_list_get_address(to, 0);
            if (INTERNET_ADDRESS_IS_MAILBOX(first))
                return QString::fromUtf8(
                        internet_address_mailbox_get_addr(INTERNET_ADDRESS_MAILBOX(first)));
        }
    }
    return QString();
}

Report deliveryStatus(GMimeMultipart *report)
{
    Report result;
    result.originalMessageId = originalId(report);
    for (int i = 0; i < g_mime_multipart_get_count(report); ++i) {
        GMimeObject *part = g_mime_multipart_get_part(report, i);
        if (!isType(part, "message", "delivery-status")
            && !isType(part, "message", "global-delivery-status"))
            continue;
        const auto blocks = statusBlocks(contentOf(part));
        // The first block is about the message; each next one a recipient.
        for (qsizetype b = 1; b < blocks.size(); ++b) {
            const auto &block = blocks.at(b);
            QString recipient = addressField(valueOf(block, "final-recipient"_L1));
            if (recipient.isEmpty())
                recipient = addressField(valueOf(block, "original-recipient"_L1));
            const QString action = valueOf(block, "action"_L1).toLower();
            static const QRegularExpression code(u"^([245])\\.\\d{1,3}\\.\\d{1,3}"_s);
            const QString status = code.match(valueOf(block, "status"_L1)).captured(0);
            Finding finding{Kind::Ordinary, recipient, status,
                            addressField(valueOf(block, "diagnostic-code"_L1))};
            if (action == "failed"_L1)
                finding.kind = status.startsWith(u'4') ? Kind::SoftBounce : Kind::HardBounce;
            else if (action == "delayed"_L1)
                finding.kind = Kind::SoftBounce;
            else
                continue; // delivered, relayed, expanded: nothing to do
            if (recipient.isEmpty())
                continue;
            result.findings.append(finding);
        }
    }
    for (const Finding &finding : std::as_const(result.findings)) {
        if (finding.kind == Kind::HardBounce)
            result.kind = Kind::HardBounce;
        else if (result.kind == Kind::Ordinary)
            result.kind = Kind::SoftBounce;
    }
    return result;
}

Report feedback(GMimeMultipart *report)
{
    Report result;
    result.originalMessageId = originalId(report);
    for (int i = 0; i < g_mime_multipart_get_count(report); ++i) {
        GMimeObject *part = g_mime_multipart_get_part(report, i);
        if (!isType(part, "message", "feedback-report"))
            continue;
        const auto blocks = statusBlocks(contentOf(part));
        const auto fields = blocks.value(0);
        QString recipient = withoutBrackets(valueOf(fields, "original-rcpt-to"_L1));
        if (recipient.isEmpty())
            recipient = originalRecipient(report);
        result.kind = Kind::Complaint;
        result.findings.append(
                {Kind::Complaint, recipient, QString(), valueOf(fields, "feedback-type"_L1)});
    }
    return result;
}

// Bounces that servers and providers still write as text, with no delivery
// status notification: each phrase, said by a mailer daemon, names the kind.
// The temporary ones come first, since their texts may go on to say more.
struct TextBounce
{
    QLatin1StringView phrase;
    Kind kind;
};
constexpr TextBounce textBounces[] = {
        {"has not yet been delivered"_L1, Kind::SoftBounce}, // Exim, after a day queued
        {"delivery to the following recipient has been delayed"_L1, Kind::SoftBounce}, // Gmail
        {"this is a temporary error"_L1, Kind::SoftBounce},
        {"wasn't able to deliver your message"_L1, Kind::HardBounce},                     // qmail
        {"could not be delivered to one or more of its recipients"_L1, Kind::HardBounce}, // Exim
        {"delivery to the following recipient failed permanently"_L1, Kind::HardBounce},  // Gmail
        {"sorry, we were unable to deliver your message"_L1, Kind::HardBounce},           // Yahoo
        {"delivery has failed to these recipients or groups"_L1, Kind::HardBounce},  // Exchange
        {"the following recipient(s) cannot be reached"_L1, Kind::HardBounce},       // Lotus Domino
        {"unable to deliver message to the following address"_L1, Kind::HardBounce}, // MDaemon
};

// A message from a mail system rather than a person: a mailer daemon or
// postmaster, or an empty return path.
bool fromMailSystem(GMimeMessage *message)
{
    static const QRegularExpression
            system(u"\\b(mailer-daemon|mailer_daemon|mail-daemon|postmaster|mail delivery)\\b"_s,
                   QRegularExpression::CaseInsensitiveOption);
    const QString returnPath = header(GMIME_OBJECT(message), "Return-Path");
    return returnPath == "<>"_L1 || system.match(header(GMIME_OBJECT(message), "From")).hasMatch();
}

// The text a person reads in a message, outside the messages it carries,
// and the Message-ID of the first message it carries (whole or headers).
void readTree(GMimeObject *object, QString *text, QString *carriedId)
{
    if (GMIME_IS_MULTIPART(object)) {
        for (int i = 0; i < g_mime_multipart_get_count(GMIME_MULTIPART(object)); ++i)
            readTree(g_mime_multipart_get_part(GMIME_MULTIPART(object), i), text, carriedId);
        return;
    }
    if (GMIME_IS_MESSAGE_PART(object)) {
        GMimeMessage *carried = g_mime_message_part_get_message(GMIME_MESSAGE_PART(object));
        if (carriedId->isEmpty() && carried && g_mime_message_get_message_id(carried))
            *carriedId = withoutBrackets(QString::fromUtf8(g_mime_message_get_message_id(carried)));
        return;
    }
    if (isType(object, "text", "rfc822-headers") || isType(object, "message", "global-headers")) {
        for (const auto &block : statusBlocks(contentOf(object))) {
            if (carriedId->isEmpty())
                *carriedId = withoutBrackets(valueOf(block, "message-id"_L1));
        }
        return;
    }
    if (isType(object, "text", "plain")) {
        *text += QString::fromUtf8(contentOf(object)) + u'\n';
    } else if (isType(object, "text", "html") && text->isEmpty()) {
        static const QRegularExpression tag(u"<[^>]*>"_s);
        *text += QString::fromUtf8(contentOf(object)).replace(tag, u" "_s) + u'\n';
    }
}

Report textBounce(GMimeMessage *message)
{
    Report result;
    if (!fromMailSystem(message))
        return result;
    QString body, carriedId;
    readTree(g_mime_message_get_mime_part(message), &body, &carriedId);
    // Lines joined into paragraphs: a phrase may be wrapped anywhere.
    QStringList paragraphs{QString()};
    for (const QString &line : body.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            if (!paragraphs.last().isEmpty())
                paragraphs.append(QString());
        } else {
            paragraphs.last() += (paragraphs.last().isEmpty() ? QString() : u" "_s) + trimmed;
        }
    }
    const QString text = paragraphs.join(u"\n\n"_s);
    const QString lower = text.toLower();
    for (const TextBounce &bounce : textBounces) {
        const qsizetype at = lower.indexOf(bounce.phrase);
        if (at < 0)
            continue;
        // The message it returns, attached or quoted after the report.
        static const QRegularExpression quotedId(u"(?im)^\\s*message-id:\\s*(<[^>\\s]+>)"_s);
        result.originalMessageId = !carriedId.isEmpty()
                                           ? carriedId
                                           : withoutBrackets(quotedId.match(body).captured(1));
        // The address named after the phrase, and what the server said of it.
        static const QRegularExpression address(
                u"<?([A-Za-z0-9._%+'=-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+)>?"_s);
        const QRegularExpressionMatch named = address.match(text, at + bounce.phrase.size());
        const qsizetype from = named.hasMatch() ? named.capturedEnd() : at;
        qsizetype end = text.indexOf(u"\n\n"_s, from + 2);
        if (end < 0)
            end = text.size();
        const QString said = text.mid(from, std::min<qsizetype>(end - from, 600))
                                     .remove(QRegularExpression(u"^[\\s:]+"_s))
                                     .simplified();
        static const QRegularExpression code(u"\\b([245]\\.\\d{1,3}\\.\\d{1,3})\\b"_s);
        result.kind = bounce.kind;
        result.findings.append({bounce.kind, named.captured(1), code.match(said).captured(1),
                                said.isEmpty() ? text.mid(at, 300).simplified() : said});
        return result;
    }
    return result;
}

// An automatic reply says so in one of the headers that mark them.
bool isAutomatic(GMimeObject *message)
{
    const QString submitted = header(message, "Auto-Submitted").toLower();
    if (!submitted.isEmpty() && submitted != "no"_L1)
        return true;
    const QString precedence = header(message, "Precedence").toLower();
    return !header(message, "X-Autoreply").isEmpty() || !header(message, "X-Autorespond").isEmpty()
           || precedence == "auto_reply"_L1;
}

} // namespace

QList<QList<std::pair<QString, QString>>> statusBlocks(const QByteArray &body)
{
    QList<QList<std::pair<QString, QString>>> blocks;
    QList<std::pair<QString, QString>> block;
    const QStringList lines = QString::fromUtf8(body).split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty()) {
            if (!block.isEmpty())
                blocks.append(block);
            block.clear();
            continue;
        }
        // A folded line goes on the field before it.
        if ((line.front() == u' ' || line.front() == u'\t') && !block.isEmpty()) {
            block.last().second += u' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(u':');
        if (colon > 0)
            block.append({line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
    }
    if (!block.isEmpty())
        blocks.append(block);
    return blocks;
}

bool needsBody(const QByteArray &headers)
{
    // A report by its type, or a bounce written as text by its sender.
    static const QRegularExpression
            report(u"^(content-type:\\s*multipart/report\\b|from:.*\\b(mailer-daemon|mailer_daemon|"
                   "mail-daemon|postmaster|mail delivery)\\b|return-path:\\s*<>)"_s,
                   QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    return report.match(QString::fromLatin1(headers)).hasMatch();
}

Report classify(const QByteArray &message, const QString &unsubscribeSubject)
{
    MimeMessage::initGMime();
    Unref<GMimeStream> stream{
            g_mime_stream_mem_new_with_buffer(message.constData(), message.size())};
    Unref<GMimeParser> parser{g_mime_parser_new_with_stream(stream.object)};
    Unref<GMimeMessage> parsed{g_mime_parser_construct_message(parser.object, nullptr)};
    if (!parsed.object)
        return {};
    GMimeObject *top = g_mime_message_get_mime_part(parsed.object);
    if (top && GMIME_IS_MULTIPART(top) && isType(top, "multipart", "report")) {
        const char *type = g_mime_content_type_get_parameter(g_mime_object_get_content_type(top),
                                                             "report-type");
        const QString reportType = QString::fromUtf8(type ? type : "").toLower();
        if (reportType == "delivery-status"_L1 || reportType == "global-delivery-status"_L1)
            return deliveryStatus(GMIME_MULTIPART(top));
        if (reportType == "feedback-report"_L1)
            return feedback(GMIME_MULTIPART(top));
    }
    GMimeObject *object = GMIME_OBJECT(parsed.object);
    Report result = textBounce(parsed.object);
    if (result.kind != Kind::Ordinary)
        return result;
    if (isAutomatic(object)) {
        result.kind = Kind::AutoReply;
        return result;
    }
    // A reply to the unsubscribe address: its subject, behind any "Re:".
    static const QRegularExpression replyPrefix(u"^((re|aw|sv|fwd?|tr)\\s*:\\s*)+"_s,
                                                QRegularExpression::CaseInsensitiveOption);
    QString subject = QString::fromUtf8(g_mime_message_get_subject(parsed.object)).trimmed();
    subject.remove(replyPrefix);
    // The subject our address asks for names the message, "unsubscribe <id>",
    // for the mail programs that leave out In-Reply-To.
    QString namedId;
    if (!unsubscribeSubject.isEmpty()
        && subject.startsWith(unsubscribeSubject + u' ', Qt::CaseInsensitive)) {
        namedId = withoutBrackets(subject.mid(unsubscribeSubject.size()));
        if (!namedId.contains(u'@') || namedId.contains(u' '))
            namedId.clear();
        else
            subject = unsubscribeSubject;
    }
    if (!unsubscribeSubject.isEmpty()
        && subject.compare(unsubscribeSubject, Qt::CaseInsensitive) == 0) {
        InternetAddressList *from = g_mime_message_get_from(parsed.object);
        InternetAddress *first = from && internet_address_list_length(from) > 0
                                         ? internet_address_list_get_address(from, 0)
                                         : nullptr;
        if (first && INTERNET_ADDRESS_IS_MAILBOX(first)) {
            result.kind = Kind::Unsubscribe;
            result.originalMessageId = withoutBrackets(header(object, "In-Reply-To"));
            if (result.originalMessageId.isEmpty())
                result.originalMessageId = namedId;
            result.findings.append({Kind::Unsubscribe,
                                    QString::fromUtf8(internet_address_mailbox_get_addr(
                                            INTERNET_ADDRESS_MAILBOX(first))),
                                    QString(), subject});
        }
    }
    return result;
}

} // namespace MailboxReport
