#include "HtmlText.h"

#include <QRegularExpression>
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
    switch (element.tag) {
    // Nothing a reader sees.
    case GUMBO_TAG_HEAD:
    case GUMBO_TAG_SCRIPT:
    case GUMBO_TAG_STYLE:
    case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_TITLE:
    case GUMBO_TAG_NOSCRIPT:
        return;
    case GUMBO_TAG_BR:
        forcedBreak();
        return;
    case GUMBO_TAG_HR:
        lineBreak(2);
        prefix(u"----"_s);
        lineBreak(2);
        return;
    case GUMBO_TAG_IMG: {
        const GumboAttribute *alt = gumbo_get_attribute(&element.attributes, "alt");
        if (alt)
            text(QString::fromUtf8(alt->value));
        return;
    }
    default:
        break;
    }

    int after = 0;
    switch (element.tag) {
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
        after = 2;
        break;
    case GUMBO_TAG_UL:
    case GUMBO_TAG_OL:
        lineBreak(m_listDepth == 0 ? 2 : 1);
        after = m_listDepth == 0 ? 2 : 1;
        break;
    case GUMBO_TAG_LI:
        lineBreak(1);
        prefix(QString(2 * qMax(0, m_listDepth - 1), QLatin1Char(' ')) + u"- "_s);
        after = 1;
        break;
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
        after = 1;
        break;
    default:
        break;
    }

    const bool list = element.tag == GUMBO_TAG_UL || element.tag == GUMBO_TAG_OL;
    const bool pre = element.tag == GUMBO_TAG_PRE;
    m_listDepth += list ? 1 : 0;
    m_preformatted += pre ? 1 : 0;
    const qsizetype start = size();
    for (unsigned int i = 0; i < element.children.length; ++i)
        walk(static_cast<const GumboNode *>(element.children.data[i]));
    m_listDepth -= list ? 1 : 0;
    m_preformatted -= pre ? 1 : 0;

    if (element.tag == GUMBO_TAG_A) {
        const GumboAttribute *href = gumbo_get_attribute(&element.attributes, "href");
        const QString target = href ? QString::fromUtf8(href->value).trimmed() : QString();
        if (isWebAddress(target)) {
            const QString label = since(start).simplified();
            QString shown = target;
            if (shown.startsWith("mailto:"_L1, Qt::CaseInsensitive))
                shown = shown.mid(7);
            if (label.isEmpty())
                text(shown);
            else if (label != target && label != shown)
                text(u" ("_s + shown + u")"_s);
        }
    }
    if (after > 0)
        lineBreak(after);
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

} // namespace HtmlText
