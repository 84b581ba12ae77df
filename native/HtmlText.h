#pragma once

#include <QByteArray>
#include <QString>

// The text version of an HTML message, for the text/plain alternative that
// mail clients show when they do not render HTML and that spam filters
// expect: readable paragraphs and lists, links as "text (URL)", no markup,
// nothing of the head, scripts or style sheets.
namespace HtmlText {

QString fromHtml(const QByteArray &html);

// Text as HTML shows it, in an element or a quoted attribute value alike:
// & < > " and ' written as character references.
QString escaped(const QString &text);

} // namespace HtmlText
