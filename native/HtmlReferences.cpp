#include "HtmlReferences.h"

#include <QFile>
#include <QSet>

#include <gumbo.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

void collect(const GumboNode *node, const QByteArray &source, QSet<qsizetype> &seen,
             QList<HtmlReferences::Reference> &out)
{
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE
        && node->type != GUMBO_NODE_DOCUMENT)
        return;
    const GumboVector *children = node->type == GUMBO_NODE_DOCUMENT ? &node->v.document.children
                                                                    : &node->v.element.children;
    if (node->type != GUMBO_NODE_DOCUMENT) {
        for (const char *name : {"src", "href", "data"}) {
            const GumboAttribute *attribute = gumbo_get_attribute(&node->v.element.attributes, name);
            if (!attribute)
                continue;
            HtmlReferences::Reference reference;
            reference.value = QString::fromUtf8(attribute->value);
            // The value as written: a pointer into the source, quotes included.
            const GumboStringPiece &raw = attribute->original_value;
            const qsizetype at = raw.data ? raw.data - source.constData() : -1;
            if (at >= 0 && at + static_cast<qsizetype>(raw.length) <= source.size()
                && raw.length > 0) {
                qsizetype start = at;
                qsizetype end = at + static_cast<qsizetype>(raw.length);
                const char first = source.at(start);
                if ((first == '"' || first == '\'') && end - start >= 2
                    && source.at(end - 1) == first) {
                    ++start;
                    --end;
                }
                // A copy of an element made by the parser shares its source text.
                if (seen.contains(start))
                    continue;
                seen.insert(start);
                reference.start = start;
                reference.end = end;
            }
            out << reference;
        }
    }
    for (unsigned int i = 0; i < children->length; ++i)
        collect(static_cast<const GumboNode *>(children->data[i]), source, seen, out);
}

} // namespace

QList<HtmlReferences::Reference> HtmlReferences::find(const QByteArray &html)
{
    QList<Reference> out;
    if (html.isEmpty())
        return out;
    GumboOutput *output = gumbo_parse_with_options(&kGumboDefaultOptions, html.constData(),
                                                   static_cast<size_t>(html.size()));
    if (!output)
        return out;
    QSet<qsizetype> seen;
    collect(output->document, html, seen, out);
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    return out;
}

QStringList HtmlReferences::all(const QByteArray &html)
{
    QStringList out;
    for (const Reference &reference : find(html))
        out << reference.value;
    return out;
}

QStringList HtmlReferences::local(const QStringList &references)
{
    QStringList out;
    for (const QString &ref : references) {
        if (!ref.contains(u"https://"_s) && !ref.contains(u"http://"_s)
            && !ref.contains(u"mailto:"_s))
            out << ref;
    }
    return out;
}

QStringList HtmlReferences::localInFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return local(all(file.readAll()));
}

QByteArray HtmlReferences::replaced(const QByteArray &html,
                                    QList<QPair<Reference, QByteArray>> replacements)
{
    std::sort(replacements.begin(), replacements.end(),
              [](const auto &a, const auto &b) { return a.first.start < b.first.start; });
    QByteArray out;
    out.reserve(html.size());
    qsizetype at = 0;
    for (const auto &[reference, text] : replacements) {
        if (reference.start < at || reference.end > html.size() || reference.start > reference.end)
            continue;
        out += html.mid(at, reference.start - at);
        out += text;
        at = reference.end;
    }
    out += html.mid(at);
    return out;
}
