#include "MailComposer.h"

#include "FileDownloader.h"
#include "MailDelivery.h"
#include "TextFile.h"

#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

QString mimeNameByContent(const QString &path)
{
    static const QMimeDatabase db;
    return db.mimeTypeForFile(path, QMimeDatabase::MatchContent).name();
}

// A "data:image/<type>;base64,<data>" reference saved as <folder>/<counter>.<type>.
QString saveDataImage(const QString &reference, const QString &folder, int &counter)
{
    const QStringList pieces = reference.split(QLatin1Char(','));
    if (pieces.size() < 2)
        return {};
    const QString type = pieces.at(0).section(QLatin1Char(';'), 0, 0).section(QLatin1Char('/'), 1, 1);
    // The type becomes part of a file name: letters and digits only.
    static const QRegularExpression plainType(u"^[A-Za-z0-9]+$"_s);
    if (!plainType.match(type).hasMatch())
        return {};
    const QImage image = QImage::fromData(QByteArray::fromBase64(pieces.at(1).toLatin1()));
    if (image.isNull())
        return {};
    const QString path = folder + u"/"_s + QString::number(counter) + u"."_s + type;
    ++counter;
    return image.save(path, type.toLatin1().constData()) ? path : QString();
}

// A web reference fetched to <folder>/remote_<counter>; "" when it failed.
QString download(const QString &reference, const QString &folder, int &counter, const MailLimits &limits)
{
    qDebug().noquote() << u"Url: "_s + reference;
    QEventLoop loop;
    auto *downloader = new FileDownloader(QUrl(reference), limits.downloadTimeoutMs,
                                          limits.downloadMaxBytes, &loop);
    QObject::connect(downloader, &FileDownloader::downloaded, &loop, &QEventLoop::quit);
    if (!downloader->isFinished())
        loop.exec();

    const QString path = folder + u"/remote_"_s + QString::number(counter);
    ++counter;
    if (!downloader->succeeded()) {
        // Leave the address as written rather than embed an empty or error page.
        qDebug().noquote() << u"Download failed ("_s + downloader->errorString() + u"): "_s + reference;
        return {};
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(downloader->fetchedData());
    file.close();
    qDebug().noquote() << path;
    return QFile::exists(path) ? path : QString();
}

bool isStyleSheet(const QString &reference, const QString &mimeName)
{
    return mimeName == "text/css"_L1 || (reference.contains(".css"_L1) && mimeName == "text/plain"_L1);
}

} // namespace

QString MailComposer::substitutePlaceholders(QString body, const QJsonObject &fields)
{
    // QJsonObject keeps its keys sorted, which is the order wanted.
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it) {
        if (!it.value().isString())
            continue;
        const QString value = it.value().toString();
        if (!value.isEmpty())
            body.replace(u"{{"_s + it.key() + u"}}"_s, value);
    }
    return body;
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

QString MailComposer::contentIdFor(const QString &path)
{
    static const QRegularExpression other(u"[^a-zA-Z\\d\\s]"_s);
    QString id = path;
    return id.replace(other, u"_"_s);
}

MimeContent MailComposer::compose(const MailJob &job, const MailLimits &limits)
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

    content.html = !job.html.isEmpty() && QFileInfo(job.html).isFile();
    content.body = substitutePlaceholders(content.html ? TextFile::readJoined(job.html) : job.content, job.to);

    if (content.html) {
        const QString htmlFolder = QFileInfo(job.html).absolutePath();
        const QString tempFolder = htmlFolder + u"/Parvane"_s;
        if (!job.contentLocalUrls.isEmpty() && !QFileInfo::exists(tempFolder))
            QDir().mkdir(tempFolder);

        QMap<QString, QString> inlineTable; // path -> content id, ordered by path
        int counter = 0;
        for (const QString &reference : job.contentLocalUrls) {
            QString localPath;
            if (reference.contains(";base64"_L1) && reference.contains("data:image"_L1)) {
                localPath = saveDataImage(reference, tempFolder, counter);
            } else if (QFile::exists(htmlFolder + u"/"_s + reference)) {
                // a file beside the HTML file: nothing to fetch
            } else if (reference.contains("http://"_L1) || reference.contains("https://"_L1)) {
                localPath = download(reference, tempFolder, counter, limits);
            }

            const QString resolved = localPath.isEmpty() ? htmlFolder + u"/"_s + reference : localPath;
            if (reference.isEmpty() || !QFileInfo(resolved).isFile())
                continue;

            const QString mimeName = mimeNameByContent(resolved);
            if (isStyleSheet(reference, mimeName)) {
                content.body = insertStyleBlock(content.body, TextFile::readJoined(resolved));
            } else if (mimeName.startsWith("image/"_L1)) {
                const QString id = contentIdFor(resolved);
                inlineTable.insert(resolved, id);
                content.body.replace(reference, u"cid:"_s + id);
            } else {
                qDebug().noquote() << u"Not embedded (neither image nor style sheet):"_s << reference;
            }
        }

        for (auto it = inlineTable.constBegin(); it != inlineTable.constEnd(); ++it) {
            const QString type = it.key().contains(".css"_L1) ? u"text/css"_s : mimeNameByContent(it.key());
            content.inlineParts.append({it.key(), type, it.value()});
        }
    }

    for (const QString &path : job.attachments) {
        if (path.isEmpty() || !QFileInfo(path).isFile())
            continue;
        content.attachments.append({path, mimeNameByContent(path), QString()});
    }
    return content;
}
