#pragma once

#include <QStringList>

// The local references of an HTML file: values of the src, href and data
// attributes, in document order, read with a real HTML parser.
class HtmlReferences
{
public:
    // Every src, href and data value of every element, in document order
    // (src, href, data within one element), repeats kept.
    static QStringList all(const QByteArray &html);

    // The references that a message must embed: those that are neither web
    // nor mail links. An unreadable file gives an empty list.
    static QStringList localInFile(const QString &path);
    static QStringList local(const QStringList &references);
};
