#include "mail/MailComposer.h"

#include "files/FileTrust.h"
#include "mail/EmailAddress.h"
#include "mail/FileDownloader.h"
#include "mail/HtmlEmbedding.h"
#include "mail/HtmlReferences.h"
#include "mail/HtmlText.h"
#include "mail/OutgoingMail.h"

#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QHostAddress>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

QString mimeNameByContent(const QString &path)
{
    static const QMimeDatabase db;
    return db.mimeTypeForFile(path, QMimeDatabase::MatchContent).name();
}

// A web image fetched into memory; an empty array when it failed.
QByteArray download(const QString &reference, const MailLimits &limits)
{
    qDebug().noquote() << u"Url: "_s + reference;
    QEventLoop loop;
    auto *downloader = new FileDownloader(QUrl(reference), limits.downloadTimeoutMs,
                                          limits.downloadMaxBytes, &loop);
    QObject::connect(downloader, &FileDownloader::downloaded, &loop, &QEventLoop::quit);
    if (!downloader->isFinished())
        loop.exec();
    if (!downloader->succeeded()) {
        // Leave the address as written rather than embed an empty or error page.
        qDebug().noquote() << u"Download failed ("_s + downloader->errorString() + u"): "_s
                                      + reference;
        return {};
    }
    return downloader->fetchedData();
}

// A style sheet's text as a style block holds it: lines without the empty ones.
QString styleText(const QByteArray &css)
{
    QStringList lines = QString::fromUtf8(css).split(QRegularExpression(u"\\r\\n|\\r|\\n"_s));
    lines.removeAll(QString());
    return lines.join(QLatin1Char('\n'));
}

QString contentIdDomain(const QString &senderAddress)
{
    static const QRegularExpression dotAtom(u"^[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)*$"_s);
    const QString domain = senderAddress.section(QLatin1Char('@'), -1);
    return senderAddress.contains(QLatin1Char('@')) && dotAtom.match(domain).hasMatch()
                   ? domain
                   : u"localhost"_s;
}

} // namespace

QString MailComposer::substitutePlaceholders(const QString &body, const QJsonObject &fields,
                                             bool html)
{
    // One pass over the template: an inserted value is never read again, so a
    // value holding "{{website}}" arrives as written.
    static const QRegularExpression placeholder(u"\\{\\{([^{}|]+)(\\|[^{}]*)?\\}\\}"_s);
    QString result;
    qsizetype at = 0;
    for (QRegularExpressionMatchIterator it = placeholder.globalMatch(body); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QJsonValue value = fields.value(match.capturedView(1));
        const QString text = value.isString() ? value.toString() : QString();
        const bool hasFallback = match.capturedStart(2) >= 0;
        QString replacement;
        if (hasFallback)
            replacement = text.trimmed().isEmpty() ? match.captured(2).mid(1) : text;
        else if (!text.isEmpty())
            replacement = text;
        else
            continue; // left as written, as an empty field always has
        result += QStringView(body).sliced(at, match.capturedStart() - at);
        result += html ? HtmlText::escaped(replacement) : replacement;
        at = match.capturedEnd();
    }
    result += QStringView(body).sliced(at);
    return result;
}

QString MailComposer::insertStyleBlock(const QString &body, const QString &css)
{
    const QString block = u"<style type='text/css'>"_s + css + u"</style>"_s;
    QString result = body;
    if (const qsizetype at = body.indexOf("</head>"_L1); at >= 0)
        return result.insert(at, block);
    if (const qsizetype at = body.indexOf("<body>"_L1); at >= 0)
        return result.insert(at + 6, block);
    if (const qsizetype at = body.indexOf("</html>"_L1); at >= 0)
        return result.insert(at, block);
    return block + result;
}

QString MailComposer::contentIdFor(int index, const QString &token, const QString &domain)
{
    return u"part"_s + QString::number(index) + u"."_s + token + u"@"_s + domain;
}

namespace {

// Embeds the files an HTML body refers to, each once: images become inline
// parts, style sheets (with their own images) are collected for folding in.
class Embedder
{
public:
    Embedder(MimeContent *content, const OutgoingMail &job, const MailLimits &limits)
        : m_content(content), m_limits(limits), m_htmlFolder(QFileInfo(job.html).absolutePath()),
          m_token(QString::number(QRandomGenerator::global()->generate64(), 16)),
          m_domain(contentIdDomain(job.username))
    {}

    // The content id a reference is embedded under, "" when it is left as
    // written. `base`: the folder of the style sheet that holds it.
    QString embed(const QString &value, const QString &base)
    {
        auto known = m_idOfReference.constFind({base, value});
        if (known != m_idOfReference.constEnd())
            return known.value();
        HtmlEmbedding::Resolved resolved = HtmlEmbedding::resolve(value, m_htmlFolder, base);
        QString partName;
        if (resolved.kind == HtmlEmbedding::Kind::Web) {
            resolved.data = download(value, m_limits);
            partName = u"remote_"_s + QString::number(m_counter++);
            resolved.contentType = HtmlEmbedding::mimeNameForData(resolved.data);
            resolved.kind = !resolved.data.isEmpty() && resolved.contentType.startsWith("image/"_L1)
                                    ? HtmlEmbedding::Kind::Image
                                    : HtmlEmbedding::Kind::Skipped;
        } else if (resolved.kind == HtmlEmbedding::Kind::Image && resolved.path.isEmpty()) {
            partName = QString::number(m_counter++) + u"."_s + resolved.imageType;
        } else if (resolved.kind == HtmlEmbedding::Kind::StyleSheet && base.isEmpty()) {
            collectStyleSheet(resolved);
        } else if (resolved.kind == HtmlEmbedding::Kind::Skipped) {
            qDebug().noquote() << u"Not embedded ("_s + resolved.reason + u"):"_s << value;
        }
        const QString id = resolved.kind == HtmlEmbedding::Kind::Image
                                   ? imagePart(resolved, value, partName)
                                   : QString();
        m_idOfReference.insert({base, value}, id);
        return id;
    }

    const QStringList &styleSheets() const { return m_styleSheets; }

private:
    // The sheet's own images are read from its folder and embedded too.
    void collectStyleSheet(const HtmlEmbedding::Resolved &sheet)
    {
        if (m_styleSheetFiles.contains(sheet.path))
            return;
        m_styleSheetFiles.insert(sheet.path);
        QString css = QString::fromUtf8(sheet.data);
        const QString sheetFolder = QFileInfo(sheet.path).absolutePath();
        const auto images = HtmlEmbedding::styleSheetImages(css);
        for (auto it = images.crbegin(); it != images.crend(); ++it) {
            const QString id = embed(it->value, sheetFolder);
            if (!id.isEmpty())
                css.replace(it->start, it->end - it->start, u"cid:"_s + id);
        }
        m_styleSheets << styleText(css.toUtf8());
    }

    // The inline part of an image, made on first use: two spellings of one
    // file are one part.
    QString imagePart(const HtmlEmbedding::Resolved &image, const QString &value,
                      const QString &partName)
    {
        const QString key = image.path.isEmpty() ? value : image.path;
        QString id = m_idOfPart.value(key);
        if (!id.isEmpty())
            return id;
        id = MailComposer::contentIdFor(static_cast<int>(m_content->inlineParts.size()), m_token,
                                        m_domain);
        m_idOfPart.insert(key, id);
        MimeFilePart part;
        part.contentType = image.contentType;
        part.contentId = id;
        part.data = image.data;
        part.fileName = image.path.isEmpty() ? partName : QFileInfo(image.path).fileName();
        m_content->inlineParts.append(part);
        return id;
    }

    MimeContent *m_content;
    const MailLimits &m_limits;
    const QString m_htmlFolder;
    const QString m_token;
    const QString m_domain;
    // Reference as read, from a folder -> content id, "" when left as written.
    QHash<QPair<QString, QString>, QString> m_idOfReference;
    QHash<QString, QString> m_idOfPart; // file path, or the reference of a data or web image
    QStringList m_styleSheets;
    QSet<QString> m_styleSheetFiles;
    int m_counter = 0;
};

// Rewrites the body's chosen references to their embedded parts, folds the
// style sheets in and makes the text version.
void embedReferences(MimeContent *content, const OutgoingMail &job, const MailLimits &limits)
{
    const QSet<QString> wanted(job.contentLocalUrls.cbegin(), job.contentLocalUrls.cend());
    Embedder embedder(content, job, limits);
    const QByteArray source = content->body.toUtf8();
    QList<QPair<HtmlReferences::Reference, QByteArray>> rewrites;
    for (const HtmlReferences::Reference &reference : HtmlReferences::find(source)) {
        // A reference that cannot be rewritten where it stands is left as
        // written, and its file is not mailed for nothing.
        if (reference.value.isEmpty() || !wanted.contains(reference.value) || reference.start < 0)
            continue;
        const QString id = embedder.embed(reference.value, QString());
        // Exactly the attribute value the parser read, however it was spelt.
        if (!id.isEmpty())
            rewrites.append({reference, (u"cid:"_s + id).toUtf8()});
    }
    content->body = QString::fromUtf8(HtmlReferences::replaced(source, rewrites));
    for (const QString &css : embedder.styleSheets())
        content->body = MailComposer::insertStyleBlock(content->body, css);
    content->textVersion = HtmlText::fromHtml(content->body.toUtf8());
}

} // namespace

QString MailComposer::unsubscribeMailto(const QString &accountAddress, const QString &messageId)
{
    if (!EmailAddress::isWellFormed(accountAddress))
        return QString();
    QString mailto = u"mailto:"_s
                     + QString::fromLatin1(QUrl::toPercentEncoding(accountAddress, "@"))
                     + u"?subject=unsubscribe"_s;
    if (!messageId.isEmpty())
        mailto += u"%20"_s + QString::fromLatin1(QUrl::toPercentEncoding(messageId, "@"));
    return mailto;
}

QString MailComposer::withUnsubscribeFooter(const QString &body, const QString &link,
                                            const QString &language, bool html)
{
    const bool french = language == "fr"_L1;
    if (!html) {
        return body + u"\n\n-- \n"_s
               + (french ? u"Pour ne plus recevoir nos messages : "_s
                         : u"To stop receiving our messages: "_s)
               + link + u"\n"_s;
    }
    const QString line = u"<p style=\"font-size:12px;color:#666666\">"_s
                         + (french ? u"Pour ne plus recevoir nos messages, "_s
                                   : u"To stop receiving our messages, "_s)
                         + u"<a href=\""_s + HtmlText::escaped(link) + u"\">"_s
                         + (french ? u"désabonnez-vous"_s : u"unsubscribe"_s) + u"</a>.</p>"_s;
    static const QRegularExpression bodyEnd(u"</body\\s*>"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    const qsizetype at = body.lastIndexOf(bodyEnd);
    if (at < 0)
        return body + line;
    return body.left(at) + line + body.mid(at);
}

MimeContent MailComposer::compose(const OutgoingMail &job, const MailLimits &limits)
{
    MimeContent content;
    content.senderName = job.senderName;
    content.senderAddress = job.username;
    const QJsonValue email = job.to.value("email"_L1);
    const QJsonValue fullname = job.to.value("fullname"_L1);
    content.recipientAddress = email.isString() ? email.toString() : QString();
    content.recipientName = fullname.isString() ? fullname.toString() : QString();
    // The subject is personalised like the body, so "{{firstname}}" never reaches anyone as written.
    content.subject = substitutePlaceholders(job.subject, job.to);
    content.messageId = job.messageId;

    // The run refuses such files before it starts; a file swapped since is
    // left out here all the same.
    content.html = !job.html.isEmpty() && FileTrust::refusal(job.html) == FileTrust::Accepted;
    const QString body = content.html ? HtmlText::readFile(job.html) : job.content;
    QJsonObject fields = job.to;
    const QString mailto = job.unsubscribe ? unsubscribeMailto(job.username, job.messageId)
                                           : QString();
    // One-click takes HTTPS; plain HTTP only to a service on this machine.
    const QUrl webUrl(job.unsubscribeUrl);
    const bool webUsable = webUrl.scheme() == "https"_L1
                           || (webUrl.scheme() == "http"_L1
                               && QHostAddress(webUrl.host()).isLoopback());
    const QString web = job.unsubscribe && webUsable ? job.unsubscribeUrl : QString();
    const QString link = web.isEmpty() ? mailto : web;
    if (!link.isEmpty()) {
        for (const QString &address : {web, mailto}) {
            if (!address.isEmpty())
                content.unsubscribeAddresses.append(address);
        }
        // Mail providers post to the web address in one click (RFC 8058).
        content.oneClickUnsubscribe = !web.isEmpty();
        fields.insert("unsubscribe_url"_L1, link);
    }
    content.body = substitutePlaceholders(body, fields, content.html);
    // The body that places the link itself gets no second one.
    if (!link.isEmpty() && !body.contains("{{unsubscribe_url"_L1))
        content.body = withUnsubscribeFooter(content.body, link, job.unsubscribeLanguage,
                                             content.html);
    if (content.html)
        embedReferences(&content, job, limits);

    for (const QString &path : job.attachments) {
        if (FileTrust::refusal(path) != FileTrust::Accepted)
            continue;
        content.attachments.append(
                {path, mimeNameByContent(path), QString(), QByteArray(), QString()});
    }
    return content;
}
