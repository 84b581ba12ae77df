#include "mail/HtmlText.h"

#include "contacts/CsvReader.h"
#include "files/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringList>

#include <gumbo.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class Writer
{
public:
    void text(const QString &raw)
    {
        static const QRegularExpression spaces(u"\\s+"_s);
        if (m_preformatted > 0) {
            flushBreaks();
            m_out += raw;
            return;
        }
        QString text = raw;
        text.replace(spaces, u" "_s);
        if (text.isEmpty())
            return;
        if (text.startsWith(QLatin1Char(' ')))
            m_space = true;
        const bool trailing = text.endsWith(QLatin1Char(' '));
        text = text.trimmed();
        if (!text.isEmpty()) {
            flushBreaks();
            if (m_space && !m_out.isEmpty() && !m_out.endsWith(QLatin1Char('\n')))
                m_out += QLatin1Char(' ');
            m_out += text;
            m_space = false;
        }
        if (trailing)
            m_space = true;
    }

    // At least this many line ends before the next text (1: a new line,
    // 2: an empty line between).
    void lineBreak(int count)
    {
        if (m_out.isEmpty())
            return;
        m_breaks = qMax(m_breaks, count);
        m_space = false;
    }

    // A <br>: each one counts.
    void forcedBreak()
    {
        flushBreaks();
        m_out += QLatin1Char('\n');
        m_space = false;
    }

    void prefix(const QString &text)
    {
        flushBreaks();
        m_out += text;
        m_space = false;
    }

    qsizetype size() const { return m_out.size(); }
    QString since(qsizetype at) const { return m_out.mid(at); }

    void walk(const GumboNode *node);

    QString result() const
    {
        // No spaces at line ends, at most one empty line in a row.
        QStringList lines = m_out.split(QLatin1Char('\n'));
        for (QString &line : lines) {
            while (line.endsWith(QLatin1Char(' ')) || line.endsWith(QLatin1Char('\t')))
                line.chop(1);
        }
        QString text = lines.join(QLatin1Char('\n'));
        static const QRegularExpression blankRuns(u"\n{3,}"_s);
        text.replace(blankRuns, u"\n\n"_s);
        while (text.startsWith(QLatin1Char('\n')))
            text.remove(0, 1);
        while (text.endsWith(QLatin1Char('\n')))
            text.chop(1);
        return text;
    }

private:
    bool writeEmpty(const GumboElement &element);
    int openBlock(GumboTag tag);
    void linkTarget(const GumboElement &element, qsizetype labelStart);

    void flushBreaks()
    {
        if (m_breaks > 0 && !m_out.isEmpty()) {
            int have = 0;
            for (qsizetype i = m_out.size() - 1; i >= 0 && m_out.at(i) == QLatin1Char('\n'); --i)
                ++have;
            for (int i = have; i < m_breaks; ++i)
                m_out += QLatin1Char('\n');
        }
        m_breaks = 0;
    }

    QString m_out;
    int m_breaks = 0;
    bool m_space = false;
    int m_preformatted = 0;
    int m_listDepth = 0;
};

bool isWebAddress(const QString &href)
{
    const QString lower = href.toLower();
    return lower.startsWith("http://"_L1) || lower.startsWith("https://"_L1)
           || lower.startsWith("mailto:"_L1) || lower.startsWith("ftp://"_L1);
}

void Writer::walk(const GumboNode *node)
{
    switch (node->type) {
    case GUMBO_NODE_DOCUMENT:
        for (unsigned int i = 0; i < node->v.document.children.length; ++i)
            walk(static_cast<const GumboNode *>(node->v.document.children.data[i]));
        return;
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_CDATA:
    case GUMBO_NODE_WHITESPACE:
        text(QString::fromUtf8(node->v.text.text));
        return;
    case GUMBO_NODE_COMMENT:
        return;
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
        break;
    }

    const GumboElement &element = node->v.element;
    if (writeEmpty(element))
        return;
    const int after = openBlock(element.tag);
    const bool list = element.tag == GUMBO_TAG_UL || element.tag == GUMBO_TAG_OL;
    const bool pre = element.tag == GUMBO_TAG_PRE;
    m_listDepth += list ? 1 : 0;
    m_preformatted += pre ? 1 : 0;
    const qsizetype start = size();
    for (unsigned int i = 0; i < element.children.length; ++i)
        walk(static_cast<const GumboNode *>(element.children.data[i]));
    m_listDepth -= list ? 1 : 0;
    m_preformatted -= pre ? 1 : 0;
    if (element.tag == GUMBO_TAG_A)
        linkTarget(element, start);
    if (after > 0)
        lineBreak(after);
}

// The elements whose children are not read: written as a reader sees them
// (a line, a break, an image's alternative text) or not at all. False for
// the others.
bool Writer::writeEmpty(const GumboElement &element)
{
    switch (element.tag) {
    // Nothing a reader sees.
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_NOSCRIPT:
        return true;
    case GUMBO_TAG_BR:
        forcedBreak();
        return true;
    case GUMBO_TAG_HR:
        lineBreak(2);
        prefix(u"----"_s);
        lineBreak(2);
        return true;
    case GUMBO_TAG_IMG: {
        const GumboAttribute *alt = gumbo_get_attribute(&element.attributes, "alt");
        if (alt)
            text(QString::fromUtf8(alt->value));
        return true;
    }
    default:
        return false;
    }
}

// Starts a block element on its own line; returns the line breaks that end it.
int Writer::openBlock(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_P:
    case GUMBO_TAG_H1:
    case GUMBO_TAG_H2:
    case GUMBO_TAG_H3:
    case GUMBO_TAG_H4:
    case GUMBO_TAG_H5:
    case GUMBO_TAG_H6:
    case GUMBO_TAG_BLOCKQUOTE:
    case GUMBO_TAG_PRE:
    case GUMBO_TAG_TABLE:
    case GUMBO_TAG_DL:
        lineBreak(2);
        return 2;
    case GUMBO_TAG_UL:
    case GUMBO_TAG_OL:
        lineBreak(m_listDepth == 0 ? 2 : 1);
        return m_listDepth == 0 ? 2 : 1;
    case GUMBO_TAG_LI:
        lineBreak(1);
        prefix(QString(2 * qMax(0, m_listDepth - 1), QLatin1Char(' ')) + u"- "_s);
        return 1;
    case GUMBO_TAG_DIV:
    case GUMBO_TAG_SECTION:
    case GUMBO_TAG_ARTICLE:
    case GUMBO_TAG_HEADER:
    case GUMBO_TAG_FOOTER:
    case GUMBO_TAG_NAV:
    case GUMBO_TAG_ASIDE:
    case GUMBO_TAG_MAIN:
    case GUMBO_TAG_CENTER:
    case GUMBO_TAG_ADDRESS:
    case GUMBO_TAG_FIGURE:
    case GUMBO_TAG_FIGCAPTION:
    case GUMBO_TAG_FORM:
    case GUMBO_TAG_FIELDSET:
    case GUMBO_TAG_TR:
    case GUMBO_TAG_TD:
    case GUMBO_TAG_TH:
    case GUMBO_TAG_DT:
    case GUMBO_TAG_DD:
    case GUMBO_TAG_CAPTION:
        lineBreak(1);
        return 1;
    default:
        return 0;
    }
}

// A link's address after its label, unless the label already says it.
void Writer::linkTarget(const GumboElement &element, qsizetype labelStart)
{
    const GumboAttribute *href = gumbo_get_attribute(&element.attributes, "href");
    const QString target = href ? QString::fromUtf8(href->value).trimmed() : QString();
    if (isWebAddress(target)) {
        const QString label = since(labelStart).simplified();
        QString shown = target;
        if (shown.startsWith("mailto:"_L1, Qt::CaseInsensitive))
            shown = shown.mid(7);
        if (label.isEmpty())
            text(shown);
        else if (label != target && label != shown)
            text(u" ("_s + shown + u")"_s);
    }
}

// Where a <meta> declares a charset: the name as written and its range in
// the scanned text.
struct CharsetDeclaration
{
    QByteArray name;
    qsizetype start = 0;
    qsizetype end = 0;
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool startsWithNoCase(QByteArrayView text, qsizetype at, QByteArrayView word)
{
    return text.size() - at >= word.size()
           && text.sliced(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// One attribute of a tag, read from `at` on as the HTML prescan reads it;
// false at the tag's end.
struct Attribute
{
    QByteArray name;
    qsizetype valueStart = 0;
    qsizetype valueEnd = 0;
};

bool nextAttribute(QByteArrayView text, qsizetype &at, Attribute &attribute)
{
    while (at < text.size() && (isSpace(text[at]) || text[at] == '/'))
        ++at;
    if (at >= text.size() || text[at] == '>')
        return false;
    const qsizetype nameStart = at;
    while (at < text.size() && !isSpace(text[at]) && text[at] != '=' && text[at] != '>'
           && (text[at] != '/' || at == nameStart))
        ++at;
    attribute.name = text.sliced(nameStart, at - nameStart).toByteArray().toLower();
    attribute.valueStart = attribute.valueEnd = at;
    qsizetype look = at;
    while (look < text.size() && isSpace(text[look]))
        ++look;
    if (look >= text.size() || text[look] != '=')
        return true;
    at = look + 1;
    while (at < text.size() && isSpace(text[at]))
        ++at;
    if (at < text.size() && (text[at] == '"' || text[at] == '\'')) {
        const char quote = text[at];
        attribute.valueStart = ++at;
        while (at < text.size() && text[at] != quote)
            ++at;
        attribute.valueEnd = at;
        if (at < text.size())
            ++at;
        return true;
    }
    attribute.valueStart = at;
    while (at < text.size() && !isSpace(text[at]) && text[at] != '>')
        ++at;
    attribute.valueEnd = at;
    return true;
}

// The charset named in a Content-Type value ("text/html; charset=x"), as a
// range of the value; an empty range when it names none.
QPair<qsizetype, qsizetype> charsetInContentType(QByteArrayView value)
{
    qsizetype at = 0;
    while (true) {
        const qsizetype found = value.sliced(at).toByteArray().toLower().indexOf("charset");
        if (found < 0)
            return {0, 0};
        at += found + 7;
        qsizetype look = at;
        while (look < value.size() && isSpace(value[look]))
            ++look;
        if (look >= value.size() || value[look] != '=')
            continue;
        ++look;
        while (look < value.size() && isSpace(value[look]))
            ++look;
        if (look < value.size() && (value[look] == '"' || value[look] == '\'')) {
            const char quote = value[look];
            const qsizetype end = value.indexOf(quote, look + 1);
            return end < 0 ? QPair<qsizetype, qsizetype>{0, 0}
                           : QPair<qsizetype, qsizetype>{look + 1, end};
        }
        qsizetype end = look;
        while (end < value.size() && !isSpace(value[end]) && value[end] != ';')
            ++end;
        return {look, end};
    }
}

// Every charset declaration of the <meta> elements in the text, in order:
// comments and other tags are stepped over, as a browser's prescan does.
QList<CharsetDeclaration> charsetDeclarations(QByteArrayView text)
{
    QList<CharsetDeclaration> found;
    qsizetype at = 0;
    while (at < text.size()) {
        if (text[at] != '<') {
            ++at;
            continue;
        }
        if (startsWithNoCase(text, at, "<!--")) {
            const qsizetype end = text.indexOf("-->", at + 4);
            at = end < 0 ? text.size() : end + 3;
            continue;
        }
        if (startsWithNoCase(text, at, "<meta") && at + 5 < text.size()
            && (isSpace(text[at + 5]) || text[at + 5] == '/')) {
            at += 5;
            Attribute attribute;
            CharsetDeclaration charset;
            CharsetDeclaration pragma;
            bool httpEquiv = false;
            while (nextAttribute(text, at, attribute)) {
                const QByteArrayView value = text.sliced(attribute.valueStart,
                                                         attribute.valueEnd - attribute.valueStart);
                if (attribute.name == "charset" && charset.name.isEmpty()) {
                    charset = {value.toByteArray().trimmed(), attribute.valueStart,
                               attribute.valueEnd};
                } else if (attribute.name == "http-equiv") {
                    httpEquiv = value.compare("content-type", Qt::CaseInsensitive) == 0;
                } else if (attribute.name == "content" && pragma.name.isEmpty()) {
                    const auto [start, end] = charsetInContentType(value);
                    if (end > start)
                        pragma = {value.sliced(start, end - start).toByteArray(),
                                  attribute.valueStart + start, attribute.valueStart + end};
                }
            }
            if (!charset.name.isEmpty())
                found << charset;
            else if (httpEquiv && !pragma.name.isEmpty())
                found << pragma;
            continue;
        }
        const auto isLetter = [&](qsizetype i) {
            return i < text.size()
                   && ((text[i] >= 'a' && text[i] <= 'z') || (text[i] >= 'A' && text[i] <= 'Z'));
        };
        if (isLetter(at + 1) || (at + 1 < text.size() && text[at + 1] == '/' && isLetter(at + 2))) {
            // Any other tag: to its end, quoted attribute values included.
            ++at;
            while (at < text.size() && text[at] != '>' && !isSpace(text[at]))
                ++at;
            Attribute attribute;
            while (nextAttribute(text, at, attribute)) {
            }
        } else if (at + 1 < text.size()
                   && (text[at + 1] == '!' || text[at + 1] == '/' || text[at + 1] == '?')) {
            const qsizetype end = text.indexOf('>', at + 1);
            at = end < 0 ? text.size() : end + 1;
        } else {
            ++at;
        }
    }
    return found;
}

// UTF-8 when the bytes are UTF-8, else Windows-1252: what an undeclared file
// (or one that declares UTF-8 wrongly) was most likely written in.
QString fromUtf8OrWindows1252(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? CsvReader::fromWindows1252(bytes) : text;
}

} // namespace

namespace HtmlText {

QString fromHtml(const QByteArray &html)
{
    if (html.isEmpty())
        return {};
    GumboOutput *output = gumbo_parse_with_options(&kGumboDefaultOptions, html.constData(),
                                                   static_cast<size_t>(html.size()));
    if (!output)
        return {};
    Writer writer;
    writer.walk(output->document);
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    return writer.result();
}

QString escaped(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            escaped += "&amp;"_L1;
            break;
        case '<':
            escaped += "&lt;"_L1;
            break;
        case '>':
            escaped += "&gt;"_L1;
            break;
        case '"':
            escaped += "&quot;"_L1;
            break;
        case '\'':
            escaped += "&#39;"_L1;
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QByteArray declaredCharset(const QByteArray &html)
{
    const QList<CharsetDeclaration> found = charsetDeclarations(
            QByteArrayView(html).first(qMin(html.size(), qsizetype(1024))));
    return found.isEmpty() ? QByteArray() : found.first().name.trimmed().toLower();
}

QString decoded(const QByteArray &html)
{
    QString text;
    const std::optional<QStringConverter::Encoding> bom = QStringConverter::encodingForData(html);
    const QByteArray declared = declaredCharset(html);
    static const QList<QByteArray> windows1252{"windows-1252", "cp1252",    "x-cp1252",
                                               "iso-8859-1",   "iso8859-1", "iso_8859-1",
                                               "latin1",       "l1",        "us-ascii",
                                               "ascii"};
    if (bom) {
        text = QStringDecoder(*bom).decode(html);
    } else if (windows1252.contains(declared)) {
        // Windows-1252, which browsers read for ISO-8859-1 and ASCII too.
        text = CsvReader::fromWindows1252(html);
    } else if (!declared.isEmpty() && !declared.startsWith("utf-")
               && !declared.startsWith("unicode")) {
        // Any other charset the system knows; UTF-16 without a mark is not
        // what the bytes are (their <meta> was just read as ASCII).
        QStringDecoder decoder(declared.constData());
        text = decoder.isValid() ? decoder.decode(html) : fromUtf8OrWindows1252(html);
    } else {
        text = fromUtf8OrWindows1252(html);
    }

    // The declarations that now say something else than the text's UTF-8.
    QByteArray shadow(text.size(), 'x');
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).unicode() < 0x80)
            shadow[i] = static_cast<char>(text.at(i).unicode());
    }
    const QList<CharsetDeclaration> declarations = charsetDeclarations(shadow);
    for (auto it = declarations.crbegin(); it != declarations.crend(); ++it) {
        if (it->name.trimmed().compare("utf-8", Qt::CaseInsensitive) != 0)
            text.replace(it->start, it->end - it->start, "utf-8"_L1);
    }
    return text;
}

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = decoded(file.readAll());
    QString result;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        // Windows text mode drops the CR of CR LF; done everywhere so that a
        // file written on Windows reads alike on every system.
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (!result.isEmpty())
            result += QLatin1Char('\n');
        result += line;
    }
    return result;
}

QString readMessageFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm")
                   ? readFile(path)
                   : TextFile::readJoined(path);
}

} // namespace HtmlText
