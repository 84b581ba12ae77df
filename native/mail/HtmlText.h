#pragma once

#include <QByteArray>
#include <QString>

// HTML as text: the text of an HTML file whatever its character set, and the
// text version of an HTML message, for the text/plain alternative that mail
// clients show when they do not render HTML and that spam filters expect:
// readable paragraphs and lists, links as "text (URL)", no markup, nothing of
// the head, scripts or style sheets.
namespace HtmlText {

QString fromHtml(const QByteArray &html);

// An HTML file's bytes as text, read as a browser reads them: by the
// byte-order mark, else by the charset that a <meta> in the first 1024 bytes
// declares, else as UTF-8 when they are UTF-8, else as Windows-1252. The text
// goes on as UTF-8, so every charset a <meta> declares is rewritten to
// "utf-8": the message must not contradict its own part's charset.
QString decoded(const QByteArray &html);
// The charset that a <meta> of the first 1024 bytes declares, lower case;
// "" when none does.
QByteArray declaredCharset(const QByteArray &html);
// The file decoded as above, its lines joined with "\n", empty lines
// dropped, as templates have always been read; "" when unreadable.
QString readFile(const QString &path);
// A file whose text becomes a message's: an HTML file (by its name) read as
// above, any other as UTF-8 lines joined the same way.
QString readMessageFile(const QString &path);

// Text as HTML shows it, in an element or a quoted attribute value alike:
// & < > " and ' written as character references.
QString escaped(const QString &text);

} // namespace HtmlText
