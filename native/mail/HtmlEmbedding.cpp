#include "mail/HtmlEmbedding.h"

#include "files/FileTrust.h"
#include "mail/HtmlReferences.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace {

HtmlEmbedding::Resolved skipped(const QString &reason)
{
    HtmlEmbedding::Resolved resolved;
    resolved.kind = HtmlEmbedding::Kind::Skipped;
    resolved.reason = reason;
    return resolved;
}

// "data:image/<type>;base64,<data>", read in memory.
HtmlEmbedding::Resolved dataImage(const QString &reference)
{
    const qsizetype comma = reference.indexOf(QLatin1Char(','));
    if (comma < 0)
        return skipped(u"badData"_s);
    const QString header = reference.left(comma);
    const QStringList fields = header.mid(5).split(QLatin1Char(';'));
    const QString type = fields.value(0).section(QLatin1Char('/'), 1, 1);
    static const QRegularExpression plainType(u"^[A-Za-z0-9]+$"_s);
    if (!fields.value(0).startsWith("image/"_L1, Qt::CaseInsensitive)
        || !fields.contains("base64"_L1) || !plainType.match(type).hasMatch())
        return skipped(u"badData"_s);
    const QByteArray bytes = QByteArray::fromBase64(reference.mid(comma + 1).toLatin1());
    const QString contentType = HtmlEmbedding::mimeNameForData(bytes);
    if (bytes.isEmpty() || QImage::fromData(bytes).isNull() || !contentType.startsWith("image/"_L1))
        return skipped(u"badData"_s);
    HtmlEmbedding::Resolved resolved;
    resolved.kind = HtmlEmbedding::Kind::Image;
    resolved.data = bytes;
    resolved.contentType = contentType;
    resolved.imageType = type.toLower();
    return resolved;
}

// The file a path names, when it lies inside the folder tree once symbolic
// links are resolved; "" with the reason otherwise.
QString containedFile(const QString &path, const QString &base, const QString &folder,
                      QString *reason)
{
    const QString joined = QDir::isAbsolutePath(path) ? path : base + u"/"_s + path;
    const QFileInfo info(QDir::cleanPath(joined));
    if (!info.exists()) {
        *reason = u"missing"_s;
        return {};
    }
    const QString root = QFileInfo(folder).canonicalFilePath();
    const QString target = info.canonicalFilePath();
    if (root.isEmpty() || target.isEmpty() || !target.startsWith(root + u"/"_s)) {
        *reason = u"outside"_s;
        return {};
    }
    if (!QFileInfo(target).isFile()) {
        *reason = u"missing"_s;
        return {};
    }
    // A template kept in the home folder must not reach ~/.ssh or the store.
    if (FileTrust::refusal(target) != FileTrust::Accepted) {
        *reason = u"outside"_s;
        return {};
    }
    return target;
}

} // namespace

QString HtmlEmbedding::mimeNameForData(const QByteArray &data)
{
    static const QMimeDatabase db;
    return db.mimeTypeForData(data).name();
}

bool HtmlEmbedding::isText(const QByteArray &data)
{
    if (data.contains('\0'))
        return false;
    static const QMimeDatabase db;
    const QMimeType type = db.mimeTypeForData(data);
    if (type.name() != "text/plain"_L1 && !type.inherits(u"text/plain"_s))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(data);
    return !decoder.hasError();
}

HtmlEmbedding::Resolved HtmlEmbedding::resolve(const QString &reference, const QString &htmlFolder,
                                               const QString &base)
{
    if (reference.isEmpty() || reference.startsWith(QLatin1Char('#')))
        return {};
    if (reference.startsWith("data:"_L1, Qt::CaseInsensitive)) {
        if (!reference.startsWith("data:image"_L1, Qt::CaseInsensitive))
            return {};
        return dataImage(reference);
    }

    const QUrl url(reference);
    const QString scheme = url.scheme().toLower();
    if (scheme == "http"_L1 || scheme == "https"_L1) {
        Resolved web;
        web.kind = Kind::Web;
        return web;
    }
    // A drive letter ("C:/x.png"), an absolute or network path, or a file
    // address: only a file inside the folder tree is taken.
    QStringList candidates;
    if (scheme == "file"_L1) {
        candidates << url.toLocalFile();
    } else if (scheme.size() == 1 || reference.startsWith("//"_L1)
               || reference.startsWith("\\\\"_L1)) {
        return skipped(u"outside"_s);
    } else if (!scheme.isEmpty()) {
        return {}; // cid:, mailto:, javascript:, tel: ...: not a file
    } else {
        // As a browser reads it: percent-escapes decoded, no query or fragment;
        // failing that, a file named exactly as written.
        candidates << url.path(QUrl::FullyDecoded) << reference;
    }

    QString reason = u"missing"_s;
    QString file;
    for (const QString &candidate : std::as_const(candidates)) {
        if (candidate.isEmpty())
            continue;
        QString why;
        file = containedFile(candidate, base.isEmpty() ? htmlFolder : base, htmlFolder, &why);
        if (!file.isEmpty())
            break;
        // "outside" says more than "missing" about a second spelling.
        if (reason != "outside"_L1)
            reason = why;
    }
    if (file.isEmpty())
        return skipped(reason);

    QFile source(file);
    if (!source.open(QIODevice::ReadOnly))
        return skipped(u"missing"_s);
    const QByteArray bytes = source.readAll();
    Resolved resolved;
    resolved.path = file;
    if (QFileInfo(file).suffix().compare("css"_L1, Qt::CaseInsensitive) == 0) {
        if (!isText(bytes))
            return skipped(u"styleSheetNotText"_s);
        resolved.kind = Kind::StyleSheet;
        resolved.data = bytes;
        resolved.contentType = u"text/css"_s;
        return resolved;
    }
    const QString type = mimeNameForData(bytes);
    if (!type.startsWith("image/"_L1))
        return skipped(u"notImage"_s);
    resolved.kind = Kind::Image;
    resolved.data = bytes;
    resolved.contentType = type;
    return resolved;
}

QList<HtmlReferences::Reference> HtmlEmbedding::styleSheetImages(const QString &css)
{
    QList<HtmlReferences::Reference> out;
    for (const HtmlReferences::Reference &reference : HtmlReferences::inCss(css)) {
        if (HtmlReferences::isLocal(reference.value))
            out << reference;
    }
    return out;
}

QJsonArray HtmlEmbedding::unembedded(const QString &htmlPath)
{
    QJsonArray out;
    const QFileInfo html(htmlPath);
    if (htmlPath.isEmpty() || !html.isFile())
        return out;
    const QString folder = html.absolutePath();
    QSet<QString> listed;
    const auto add = [&](const QString &reference, const QString &reason) {
        if (listed.contains(reference))
            return;
        listed.insert(reference);
        // A data image is named by its beginning, not by its kilobytes.
        const QString shown = reference.size() > 80 ? reference.left(79) + QChar(0x2026)
                                                    : reference;
        out.append(QJsonObject{{u"reference"_s, shown}, {u"reason"_s, reason}});
    };
    QSet<QString> sheets;
    for (const QString &reference : HtmlReferences::localInFile(htmlPath)) {
        const Resolved resolved = resolve(reference, folder);
        if (resolved.kind == Kind::Skipped)
            add(reference, resolved.reason);
        if (resolved.kind != Kind::StyleSheet || sheets.contains(resolved.path))
            continue;
        sheets.insert(resolved.path);
        const QString sheetFolder = QFileInfo(resolved.path).absolutePath();
        for (const auto &image : styleSheetImages(QString::fromUtf8(resolved.data))) {
            const Resolved inner = resolve(image.value, folder, sheetFolder);
            if (inner.kind == Kind::Skipped)
                add(image.value, inner.reason);
        }
    }
    return out;
}
