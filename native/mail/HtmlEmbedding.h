#pragma once

#include "mail/HtmlReferences.h"

#include <QByteArray>
#include <QJsonArray>
#include <QString>

// Decides what a reference of an HTML template stands for, so that the
// preview and the message agree on what gets embedded. Only files inside the
// HTML file's folder tree (after resolving symbolic links) are ever read:
// images by their content, a style sheet only when it is named .css and is
// text. Embedded data images are read from the reference itself. Nothing is
// written anywhere.
namespace HtmlEmbedding {
enum class Kind {
    Ignored,    // not a file at all (an anchor, a cid:, javascript: or mailto: address)
    Web,        // an http or https address
    Image,      // embedded as an inline part
    StyleSheet, // folded into the body as a style block
    Skipped,    // looks like a file or a data image, but is left as written
};

struct Resolved
{
    Kind kind = Kind::Ignored;
    // Why a reference is skipped: "outside", "missing", "notImage",
    // "styleSheetNotText" or "badData".
    QString reason;
    QString path;        // the file, symbolic links resolved ("" for a data image)
    QByteArray data;     // the image's bytes, or the style sheet's text (UTF-8)
    QString contentType; // by content
    QString imageType;   // a data image's type as its address names it ("png")
};

// A relative reference is read from `base` (a style sheet's own folder;
// the HTML file's folder when empty), and must lie in the HTML file's
// folder tree all the same.
Resolved resolve(const QString &reference, const QString &htmlFolder,
                 const QString &base = QString());
// The local addresses of a style sheet's url(), with their ranges in its
// text: the images that a folded style sheet embeds.
QList<HtmlReferences::Reference> styleSheetImages(const QString &css);

// The local references of the HTML file that will not be embedded, in
// document order, each once: [{"reference": text, "reason": key}]. Those
// of a style sheet that is folded in follow the sheet's own reference.
QJsonArray unembedded(const QString &htmlPath);

// Type name by content, "text/plain" for text.
QString mimeNameForData(const QByteArray &data);
bool isText(const QByteArray &data);
} // namespace HtmlEmbedding
