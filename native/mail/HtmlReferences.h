#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <memory>

// The local references of an HTML file, in document order, read with an
// HTML5 parser (the one browsers and mail clients follow): the values of the
// src, href, data and background attributes, each address of a srcset, and
// each url() of a style attribute or a style element.
namespace HtmlReferences {
// A text that holds references (an attribute's value, a style element's
// text) but that cannot be mapped back to the source character by
// character (a named character reference, a line break the parser
// normalised): it is written anew as a whole, escaped.
struct Holder
{
    qsizetype start = -1; // byte range in the source (quotes excluded)
    qsizetype end = -1;
    QString text;          // as the parser read it
    bool unquoted = false; // an attribute value written without quotes
};

// One reference as the parser found it.
struct Reference
{
    QString value; // decoded: entities resolved, as the browser reads it
    // Byte range of the value as written in the source (quotes excluded),
    // so that it can be replaced in place whatever its spelling; with a
    // holder, the range in the holder's text instead. -1 when the parser
    // gives no place at all.
    qsizetype start = -1;
    qsizetype end = -1;
    std::shared_ptr<const Holder> holder;
};

// Every reference of every element, in document order (within one
// element: src, href, data, background, srcset, style), repeats kept. An
// element that the parser copies (misnested formatting tags) counts once.
QList<Reference> find(const QByteArray &html);
QStringList all(const QByteArray &html);

// The references that a message must embed: those that are neither web
// nor mail links. An unreadable file gives an empty list.
QStringList localInFile(const QString &path);
QStringList local(const QStringList &references);
bool isLocal(const QString &reference);

// The url() addresses of a style sheet's text, CSS escapes resolved,
// with their ranges in that text; comments and strings are no url().
QList<Reference> inCss(const QString &css);
// The addresses of a srcset value, with their ranges in it.
QList<Reference> inSrcset(const QString &srcset);

// The source with each given range replaced by its text; ranges must not
// overlap. Everything outside them is left byte for byte.
QByteArray replaced(const QByteArray &html, QList<QPair<Reference, QByteArray>> replacements);
} // namespace HtmlReferences
