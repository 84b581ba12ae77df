#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The local references of an HTML file: values of the src, href and data
// attributes, in document order, read with an HTML5 parser (the one browsers
// and mail clients follow).
class HtmlReferences
{
public:
    // One attribute value as the parser found it.
    struct Reference
    {
        QString value; // decoded: entities resolved, as the browser reads it
        // Byte range of the value as written in the source (quotes excluded),
        // so that it can be replaced in place whatever its spelling.
        qsizetype start = -1;
        qsizetype end = -1;
    };

    // Every src, href and data value of every element, in document order
    // (src, href, data within one element), repeats kept. An element that the
    // parser copies (misnested formatting tags) counts once.
    static QList<Reference> find(const QByteArray &html);
    static QStringList all(const QByteArray &html);

    // The references that a message must embed: those that are neither web
    // nor mail links. An unreadable file gives an empty list.
    static QStringList localInFile(const QString &path);
    static QStringList local(const QStringList &references);

    // The source with each given range replaced by its text; ranges must not
    // overlap. Everything outside them is left byte for byte.
    static QByteArray replaced(const QByteArray &html,
                               QList<QPair<Reference, QByteArray>> replacements);
};
