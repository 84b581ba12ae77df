#include "HtmlReferences.h"

#include <QFile>

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

using namespace Qt::Literals::StringLiterals;

namespace {

void collect(xmlNode *node, QStringList &out)
{
    static const xmlChar *const names[] = {BAD_CAST "src", BAD_CAST "href", BAD_CAST "data"};
    for (xmlNode *n = node; n; n = n->next) {
        if (n->type == XML_ELEMENT_NODE) {
            for (const xmlChar *name : names) {
                if (xmlChar *value = xmlGetProp(n, name)) {
                    out << QString::fromUtf8(reinterpret_cast<const char *>(value));
                    xmlFree(value);
                }
            }
        }
        collect(n->children, out);
    }
}

} // namespace

QStringList HtmlReferences::all(const QByteArray &html)
{
    QStringList out;
    if (html.isEmpty())
        return out;
    // The file is read as UTF-8 like the message body; no network, no noise.
    htmlDocPtr doc = htmlReadMemory(html.constData(), static_cast<int>(html.size()), nullptr,
                                    "UTF-8",
                                    HTML_PARSE_RECOVER | HTML_PARSE_NOERROR
                                            | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
    if (!doc)
        return out;
    collect(xmlDocGetRootElement(doc), out);
    xmlFreeDoc(doc);
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
