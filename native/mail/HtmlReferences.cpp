#include "mail/HtmlReferences.h"

#include "mail/HtmlText.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <gumbo.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// The range of an attribute's value as written in the source, quotes
// excluded; false when the parser gives none (a value it made up).
bool rawRange(const GumboAttribute *attribute, const QByteArray &source, qsizetype *start,
              qsizetype *end, bool *quoted = nullptr)
{
    const GumboStringPiece &raw = attribute->original_value;
    const qsizetype at = raw.data ? raw.data - source.constData() : -1;
    if (at < 0 || raw.length == 0 || at + static_cast<qsizetype>(raw.length) > source.size())
        return false;
    *start = at;
    *end = at + static_cast<qsizetype>(raw.length);
    const char first = source.at(*start);
    const bool inQuotes = (first == '"' || first == '\'') && *end - *start >= 2
                          && source.at(*end - 1) == first;
    if (inQuotes) {
        ++*start;
        --*end;
    }
    if (quoted)
        *quoted = inQuotes;
    return true;
}

// The source's bytes from start to end as text, with the offset in the
// source of each UTF-16 unit and of the end. With `entities`, the usual
// character references are resolved, so that an attribute's value as the
// parser read it can be compared with, and mapped back to, what is written.
QString mapped(const QByteArray &source, qsizetype start, qsizetype end, bool entities,
               QList<qsizetype> *offsets)
{
    static const QHash<QByteArray, char32_t> named{{"amp", U'&'},   {"lt", U'<'},
                                                   {"gt", U'>'},    {"quot", U'"'},
                                                   {"apos", U'\''}, {"nbsp", U'\u00a0'}};
    QString text;
    offsets->clear();
    qsizetype i = start;
    while (i < end) {
        const auto lead = static_cast<uchar>(source.at(i));
        qsizetype length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xe  ? 3
                           : (lead >> 3) == 0x1e ? 4
                                                 : 1;
        char32_t code = 0;
        if (entities && lead == '&') {
            // A reference is short: look no further for its end.
            qsizetype semicolon = i + 1;
            while (semicolon < std::min(end, i + 11) && source.at(semicolon) != ';')
                ++semicolon;
            if (semicolon > i + 1 && semicolon < end && source.at(semicolon) == ';') {
                const QByteArray name = source.mid(i + 1, semicolon - i - 1);
                if (name.startsWith('#')) {
                    bool ok = false;
                    const bool hex = name.size() > 1 && (name.at(1) == 'x' || name.at(1) == 'X');
                    const uint value = hex ? name.mid(2).toUInt(&ok, 16) : name.mid(1).toUInt(&ok);
                    if (ok && value > 0 && value <= 0x10ffff && (value < 0xd800 || value > 0xdfff))
                        code = value;
                } else {
                    code = named.value(name);
                }
                if (code)
                    length = semicolon + 1 - i;
            }
        }
        length = std::min(length, end - i);
        const QString chars = code ? QString::fromUcs4(&code, 1)
                                   : QString::fromUtf8(source.constData() + i, length);
        for (const QChar c : chars) {
            text += c;
            offsets->append(i);
        }
        i += length;
    }
    offsets->append(end);
    return text;
}

// References found inside a text, moved to where the text lies in the source
// when it maps there character by character; otherwise they keep their place
// in the holder, which is then rewritten whole.
void addInside(const QList<HtmlReferences::Reference> &found, const QList<qsizetype> *offsets,
               const std::shared_ptr<const HtmlReferences::Holder> &holder,
               QList<HtmlReferences::Reference> &out)
{
    for (HtmlReferences::Reference reference : found) {
        if (offsets) {
            reference.start = offsets->at(reference.start);
            reference.end = offsets->at(reference.end);
        } else if (holder) {
            reference.holder = holder;
        } else {
            reference.start = reference.end = -1;
        }
        out << reference;
    }
}

// A holder's text written anew: escaped so that it reads back the same.
QByteArray escapedHolder(const QString &text, const HtmlReferences::Holder &holder)
{
    const QString escaped = HtmlText::escaped(text);
    if (!holder.unquoted)
        return escaped.toUtf8();
    // An unquoted value ends at white space; these would change its reading.
    QString out;
    for (const QChar c : escaped) {
        if (QStringView(u" \t\n\r\f=`").contains(c))
            out += u"&#"_s + QString::number(c.unicode()) + u';';
        else
            out += c;
    }
    return out.toUtf8();
}

void collect(const GumboNode *node, const QByteArray &source, QSet<qsizetype> &seen,
             QList<HtmlReferences::Reference> &out)
{
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE
        && node->type != GUMBO_NODE_DOCUMENT)
        return;
    const GumboVector *children = node->type == GUMBO_NODE_DOCUMENT ? &node->v.document.children
                                                                    : &node->v.element.children;
    if (node->type != GUMBO_NODE_DOCUMENT) {
        const GumboVector *attributes = &node->v.element.attributes;
        // Each attribute's references, mapped back through the character
        // references of its value: the whole value of a plain one, each
        // address of a srcset, each url() of a style.
        for (const char *name : {"src", "href", "data", "background", "srcset", "style"}) {
            const GumboAttribute *attribute = gumbo_get_attribute(attributes, name);
            if (!attribute)
                continue;
            const QString value = QString::fromUtf8(attribute->value);
            QList<HtmlReferences::Reference> found;
            if (qstrcmp(name, "srcset") == 0)
                found = HtmlReferences::inSrcset(value);
            else if (qstrcmp(name, "style") == 0)
                found = HtmlReferences::inCss(value);
            else
                found = {HtmlReferences::Reference{value, 0, value.size(), nullptr}};
            qsizetype start = -1;
            qsizetype end = -1;
            bool quoted = true;
            QList<qsizetype> offsets;
            if (!rawRange(attribute, source, &start, &end, &quoted)) {
                addInside(found, nullptr, nullptr, out); // a value the parser made up
                continue;
            }
            // A copy of an element made by the parser shares its source text.
            if (seen.contains(start))
                continue;
            seen.insert(start);
            const bool exact = mapped(source, start, end, true, &offsets) == value;
            std::shared_ptr<HtmlReferences::Holder> holder;
            if (!exact)
                holder = std::make_shared<HtmlReferences::Holder>(
                        HtmlReferences::Holder{start, end, value, !quoted});
            addInside(found, exact ? &offsets : nullptr, holder, out);
        }
        // A style element's text is written as is in HTML; in SVG and MathML
        // it may hold character references.
        if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == GUMBO_TAG_STYLE) {
            const bool html = node->v.element.tag_namespace == GUMBO_NAMESPACE_HTML;
            for (unsigned int i = 0; i < children->length; ++i) {
                const auto *child = static_cast<const GumboNode *>(children->data[i]);
                if (child->type != GUMBO_NODE_TEXT && child->type != GUMBO_NODE_WHITESPACE)
                    continue;
                const GumboStringPiece &raw = child->v.text.original_text;
                const qsizetype at = raw.data ? raw.data - source.constData() : -1;
                if (at < 0 || at + static_cast<qsizetype>(raw.length) > source.size()
                    || seen.contains(at))
                    continue;
                seen.insert(at);
                QList<qsizetype> offsets;
                const qsizetype end = at + static_cast<qsizetype>(raw.length);
                const QString css = mapped(source, at, end, !html, &offsets);
                const QString read = QString::fromUtf8(child->v.text.text);
                if (html || css == read) {
                    addInside(HtmlReferences::inCss(css), &offsets, nullptr, out);
                } else {
                    const auto holder = std::make_shared<HtmlReferences::Holder>(
                            HtmlReferences::Holder{at, end, read, false});
                    addInside(HtmlReferences::inCss(read), nullptr, holder, out);
                }
            }
        }
    }
    for (unsigned int i = 0; i < children->length; ++i)
        collect(static_cast<const GumboNode *>(children->data[i]), source, seen, out);
}

bool isNewline(QChar c)
{
    return c == u'\n' || c == u'\r' || c == u'\f';
}

// Where a CSS string that opens at `at` ends: after its closing quote, or at
// the line break that breaks it.
qsizetype stringEnd(const QString &css, qsizetype at, bool *closed = nullptr)
{
    const QChar quote = css.at(at);
    qsizetype i = at + 1;
    if (closed)
        *closed = false;
    while (i < css.size()) {
        const QChar c = css.at(i);
        if (c == u'\\') {
            i += 2;
            continue;
        }
        if (c == quote) {
            if (closed)
                *closed = true;
            return i + 1;
        }
        if (isNewline(c))
            return i;
        ++i;
    }
    return css.size();
}

bool isHex(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Where a CSS escape that starts at `at` (its backslash) ends: after one
// character, or after up to six hex digits and the white space that may end
// them. `digitsEnd` is where its hex digits end (at + 1 without any).
qsizetype escapeEnd(const QString &css, qsizetype at, qsizetype *digitsEnd = nullptr)
{
    const qsizetype n = css.size();
    qsizetype i = at + 1;
    while (i < n && i - at <= 6 && isHex(css.at(i)))
        ++i;
    if (digitsEnd)
        *digitsEnd = i;
    if (i == at + 1)
        return std::min(n, at + 2);
    if (i < n && isSpace(css.at(i)))
        i += css.at(i) == u'\r' && i + 1 < n && css.at(i + 1) == u'\n' ? 2 : 1;
    return i;
}

// A CSS token's text with its escapes resolved: "\26 " and "\&" are "&", and
// an escaped line break continues the line.
QString cssUnescaped(const QString &text)
{
    if (!text.contains(u'\\'))
        return text;
    QString out;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text.at(i) != u'\\') {
            out += text.at(i);
            continue;
        }
        if (i + 1 >= n)
            break;
        const QChar next = text.at(i + 1);
        if (isNewline(next)) {
            i += next == u'\r' && i + 2 < n && text.at(i + 2) == u'\n' ? 2 : 1;
            continue;
        }
        qsizetype digitsEnd = 0;
        const qsizetype end = escapeEnd(text, i, &digitsEnd);
        if (digitsEnd == i + 1) {
            out += next;
        } else {
            char32_t code = text.mid(i + 1, digitsEnd - i - 1).toUInt(nullptr, 16);
            if (code == 0 || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff))
                code = 0xfffd;
            out += QString::fromUcs4(&code, 1);
        }
        i = end - 1;
    }
    return out;
}

} // namespace

QList<HtmlReferences::Reference> HtmlReferences::inCss(const QString &css)
{
    QList<Reference> out;
    const qsizetype n = css.size();
    const auto partOfName = [](QChar c) {
        return c.isLetterOrNumber() || c == u'-' || c == u'_' || c.unicode() >= 0x80;
    };
    qsizetype i = 0;
    while (i < n) {
        const QChar c = css.at(i);
        if (c == u'/' && i + 1 < n && css.at(i + 1) == u'*') {
            const qsizetype close = css.indexOf("*/"_L1, i + 2);
            i = close < 0 ? n : close + 2;
            continue;
        }
        if (c == u'"' || c == u'\'') {
            i = stringEnd(css, i);
            continue;
        }
        if (c != u'\\' && !partOfName(c)) {
            ++i;
            continue;
        }
        // A name, escapes included: "url(", however spelt, opens an address.
        qsizetype k = i;
        while (k < n) {
            const QChar d = css.at(k);
            if (d == u'\\' && (k + 1 >= n || isNewline(css.at(k + 1))))
                break;
            if (d != u'\\' && !partOfName(d))
                break;
            k = d == u'\\' ? escapeEnd(css, k) : k + 1;
        }
        if (k == i) {
            ++i;
            continue;
        }
        if (k >= n || css.at(k) != u'('
            || cssUnescaped(css.mid(i, k - i)).compare("url"_L1, Qt::CaseInsensitive) != 0) {
            i = k;
            continue;
        }
        qsizetype j = k + 1;
        while (j < n && isSpace(css.at(j)))
            ++j;
        Reference reference;
        qsizetype after = j;
        if (j < n && (css.at(j) == u'"' || css.at(j) == u'\'')) {
            bool closed = false;
            after = stringEnd(css, j, &closed);
            if (!closed) {
                i = after; // a broken string: no address
                continue;
            }
            reference.start = j + 1;
            reference.end = after - 1;
        } else {
            bool bad = false;
            while (after < n && css.at(after) != u')' && !isSpace(css.at(after))) {
                const QChar d = css.at(after);
                // Quotes, a parenthesis or an escaped line break spoil the address.
                if (d == u'"' || d == u'\'' || d == u'('
                    || (d == u'\\' && (after + 1 >= n || isNewline(css.at(after + 1))))) {
                    bad = true;
                    break;
                }
                after = d == u'\\' ? escapeEnd(css, after) : after + 1;
            }
            if (bad) {
                i = after;
                continue;
            }
            reference.start = j;
            reference.end = after;
        }
        while (after < n && isSpace(css.at(after)))
            ++after;
        if (after >= n || css.at(after) != u')') {
            i = after;
            continue;
        }
        reference.value = cssUnescaped(css.mid(reference.start, reference.end - reference.start));
        if (!reference.value.isEmpty())
            out << reference;
        i = after + 1;
    }
    return out;
}

QList<HtmlReferences::Reference> HtmlReferences::inSrcset(const QString &srcset)
{
    QList<Reference> out;
    const qsizetype n = srcset.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && (isSpace(srcset.at(i)) || srcset.at(i) == u','))
            ++i;
        if (i >= n)
            break;
        const qsizetype start = i;
        while (i < n && !isSpace(srcset.at(i)))
            ++i;
        qsizetype end = i;
        // "a.png," is an address without descriptors.
        const bool descriptors = srcset.at(end - 1) != u',';
        while (end > start && srcset.at(end - 1) == u',')
            --end;
        if (end > start) {
            Reference reference;
            reference.value = srcset.mid(start, end - start);
            reference.start = start;
            reference.end = end;
            out << reference;
        }
        if (!descriptors)
            continue;
        // Descriptors run to the next comma outside parentheses.
        int depth = 0;
        while (i < n) {
            const QChar d = srcset.at(i++);
            if (d == u'(')
                ++depth;
            else if (d == u')' && depth > 0)
                --depth;
            else if (d == u',' && depth == 0)
                break;
        }
    }
    return out;
}

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

bool HtmlReferences::isLocal(const QString &reference)
{
    return !reference.contains(u"https://"_s) && !reference.contains(u"http://"_s)
           && !reference.contains(u"mailto:"_s);
}

QStringList HtmlReferences::local(const QStringList &references)
{
    QStringList out;
    for (const QString &ref : references) {
        if (isLocal(ref))
            out << ref;
    }
    return out;
}

QStringList HtmlReferences::localInFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Read in the file's own character set, as the message will be.
    return local(all(HtmlText::decoded(file.readAll()).toUtf8()));
}

QByteArray HtmlReferences::replaced(const QByteArray &html,
                                    QList<QPair<Reference, QByteArray>> replacements)
{
    struct Span
    {
        qsizetype start;
        qsizetype end;
        QByteArray text;
    };
    QList<Span> spans;
    // Replacements inside one holder make one new text for the whole holder.
    QHash<const Holder *, QList<QPair<Reference, QByteArray>>> byHolder;
    QList<const Holder *> holders;
    for (const auto &replacement : std::as_const(replacements)) {
        const Holder *holder = replacement.first.holder.get();
        if (!holder) {
            spans.append({replacement.first.start, replacement.first.end, replacement.second});
            continue;
        }
        if (!byHolder.contains(holder))
            holders.append(holder);
        byHolder[holder].append(replacement);
    }
    for (const Holder *holder : std::as_const(holders)) {
        auto inside = byHolder.value(holder);
        std::sort(inside.begin(), inside.end(),
                  [](const auto &a, const auto &b) { return a.first.start > b.first.start; });
        QString text = holder->text;
        qsizetype limit = text.size();
        for (const auto &[reference, replacement] : std::as_const(inside)) {
            if (reference.start < 0 || reference.end > limit || reference.start > reference.end)
                continue;
            text.replace(reference.start, reference.end - reference.start,
                         QString::fromUtf8(replacement));
            limit = reference.start;
        }
        spans.append({holder->start, holder->end, escapedHolder(text, *holder)});
    }
    std::sort(spans.begin(), spans.end(),
              [](const Span &a, const Span &b) { return a.start < b.start; });
    QByteArray out;
    out.reserve(html.size());
    qsizetype at = 0;
    for (const Span &span : std::as_const(spans)) {
        if (span.start < at || span.end > html.size() || span.start > span.end)
            continue;
        out += html.mid(at, span.start - at);
        out += span.text;
        at = span.end;
    }
    out += html.mid(at);
    return out;
}
