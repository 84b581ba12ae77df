#include "mail/HtmlReferences.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestHtmlReferences : public QObject
{
    Q_OBJECT
private slots:
    void documentOrder()
    {
        const QByteArray html
                = "<!doctype html><html><head>"
                  "<link rel=\"stylesheet\" href=\"style.css\"><script src=\"app.js\"></script>"
                  "</head><body><a href=\"mailto:x@y.z\">mail</a><img src=\"a.png\">"
                  "<object data=\"b.svg\"></object><a href=\"https://example.com/\">"
                  "<img src=\"http://example.com/c.png\"></a><img src=\"a.png\">"
                  "<div src=\"s\" href=\"h\" data=\"d\"></div>"
                  "<img src=\"data:image/png;base64,iVBORw0KGgo=\"></body></html>";
        const QStringList all = HtmlReferences::all(html);
        QCOMPARE(all, (QStringList{u"style.css"_s, u"app.js"_s, u"mailto:x@y.z"_s, u"a.png"_s,
                                   u"b.svg"_s, u"https://example.com/"_s,
                                   u"http://example.com/c.png"_s, u"a.png"_s, u"s"_s, u"h"_s,
                                   u"d"_s, u"data:image/png;base64,iVBORw0KGgo="_s}));
        QCOMPARE(HtmlReferences::local(all),
                 (QStringList{u"style.css"_s, u"app.js"_s, u"a.png"_s, u"b.svg"_s, u"a.png"_s,
                              u"s"_s, u"h"_s, u"d"_s, u"data:image/png;base64,iVBORw0KGgo="_s}));
    }

    void brokenMarkupAndComments()
    {
        // A real parser: commented-out and attribute-lookalike text is no reference,
        // unclosed elements still count, names are read in any case and
        // non-ASCII names survive. A tag cut off by the end of the file is no
        // tag for a browser, so it is no reference either.
        const QByteArray html
                = "<p>src=\"fake.png\"<!-- <img src=\"hidden.png\"> -->"
                  "<img src='caf\xc3\xa9 no\xc3\xabl.png'><div><img SRC=upper.png><img src=cut.png";
        QCOMPARE(HtmlReferences::all(html), (QStringList{u"café noël.png"_s, u"upper.png"_s}));
    }

    void addressesInsideSrcsetAndStyles()
    {
        // Style elements (with their comments and strings), background, srcset
        // and style attributes; each address with the range it is written in.
        const QByteArray html
                = "<html><head><style>\r\n/* url(commented.png) */ body { background: url( 'bg "
                  "one.png' ) }\r\n.a::after { content: \"url(no.png)\" } .b { background: "
                  "URL(b\\26 c.png) } .c { x: myurl(no2.png) } .d { y: url(a b.png) }</style>"
                  "</head><body background=\"paper.png\"><img src=\"a.png\" srcset=\"a-2x.png "
                  "2x, a-3x.png 3x,b.png\"><picture><source srcset=\"w.png 100w, img/w(1).png "
                  "200w\"></picture><div style=\"background:url(&quot;q&amp;a.png&quot;)\">"
                  "</div><div style='background:url(&eacute;t&eacute;.png)'></div></body></html>";
        const QList<HtmlReferences::Reference> found = HtmlReferences::find(html);
        QStringList values;
        QStringList written;
        for (const HtmlReferences::Reference &reference : found) {
            values << reference.value;
            if (reference.holder)
                written << u"in "_s
                                   + reference.holder->text.mid(reference.start,
                                                                reference.end - reference.start);
            else
                written << QString::fromUtf8(
                        html.mid(reference.start, reference.end - reference.start));
        }
        QCOMPARE(values, (QStringList{u"bg one.png"_s, u"b&c.png"_s, u"paper.png"_s, u"a.png"_s,
                                      u"a-2x.png"_s, u"a-3x.png"_s, u"b.png"_s, u"w.png"_s,
                                      u"img/w(1).png"_s, u"q&a.png"_s, u"été.png"_s}));
        // A named reference the mapping does not know: the value is rewritten whole.
        QCOMPARE(written, (QStringList{u"bg one.png"_s, u"b\\26 c.png"_s, u"paper.png"_s, u"a.png"_s,
                                       u"a-2x.png"_s, u"a-3x.png"_s, u"b.png"_s, u"w.png"_s,
                                       u"img/w(1).png"_s, u"q&amp;a.png"_s, u"in été.png"_s}));
    }

    void holdersAreWrittenAnewWhole()
    {
        // Values the mapping cannot follow (a named reference it does not
        // know, a normalised line break) are rewritten whole, and read back
        // the same but for the new addresses; an unquoted value stays one.
        const QByteArray html = "<div style=\"font-family:&copy;x; background:url(bg.png)\"></div>"
                                "<div style=font:&copy;&#32;x;background:url(bg2.png)>x</div>"
                                "<img srcset='a.png 1x,\r\nb.png 2x' alt=\"&lt;\">";
        QList<QPair<HtmlReferences::Reference, QByteArray>> replacements;
        int n = 0;
        for (const HtmlReferences::Reference &reference : HtmlReferences::find(html)) {
            QVERIFY(reference.holder);
            replacements.append({reference, "cid:" + QByteArray::number(++n) + "&<>"});
        }
        QCOMPARE(n, 4);
        const QByteArray result = HtmlReferences::replaced(html, replacements);
        QCOMPARE(HtmlReferences::all(result),
                 (QStringList{u"cid:1&<>"_s, u"cid:2&<>"_s, u"cid:3&<>"_s, u"cid:4&<>"_s}));
        QVERIFY(result.contains("\"font-family:\xc2\xa9x; background:url(cid:1&amp;&lt;&gt;)\""));
        QVERIFY(result.contains(
                "style=font:\xc2\xa9&#32;x;background:url(cid:2&amp;&lt;&gt;)>x</div>"));
        QVERIFY(result.contains("srcset='cid:3&amp;&lt;&gt; 1x,\ncid:4&amp;&lt;&gt; 2x'"));
        QVERIFY(result.contains("alt=\"&lt;\""));
    }

    void cssAddresses_data()
    {
        QTest::addColumn<QString>("css");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("quoted and spaced")
                << u"a{b:url(  \"x.png\"  )}"_s << QStringList{u"x.png"_s};
        QTest::newRow("escaped parenthesis") << u"a{b:url(a\\).png)}"_s << QStringList{u"a).png"_s};
        QTest::newRow("escape continues a line")
                << u"a{b:url('long\\\nname.png')}"_s << QStringList{u"longname.png"_s};
        QTest::newRow("empty") << u"a{b:url()} c{d:url('')}"_s << QStringList{};
        QTest::newRow("unclosed comment")
                << u"a{b:url(x.png)} /* url(y.png)"_s << QStringList{u"x.png"_s};
        QTest::newRow("broken string")
                << u"a{b:url('x.png\n)} c{d:url(z.png)}"_s << QStringList{u"z.png"_s};
        QTest::newRow("quote in unquoted") << u"a{b:url(x\".png)}"_s << QStringList{};
        QTest::newRow("no closing parenthesis") << u"a{b:url(x.png"_s << QStringList{};
        QTest::newRow("escaped name")
                << u"a{b:\\url(x.png)} c{d:\\75rl(y.png)}"_s << QStringList{u"x.png"_s, u"y.png"_s};
        QTest::newRow("longer names")
                << u"a{b:myurl(x.png) -url(y.png) 4url(z.png)}"_s << QStringList{};
        QTest::newRow("escaped quote in broken string")
                << u"a{b:url(\"x.png\\\"\n)} c{d:url(z.png)}"_s << QStringList{u"z.png"_s};
        QTest::newRow("escaped line break unquoted") << u"a{b:url(x\\\n.png)}"_s << QStringList{};
    }

    void cssAddresses()
    {
        QFETCH(QString, css);
        QFETCH(QStringList, values);
        QStringList found;
        for (const HtmlReferences::Reference &reference : HtmlReferences::inCss(css))
            found << reference.value;
        QCOMPARE(found, values);
    }

    void unreadableFile()
    {
        QCOMPARE(HtmlReferences::localInFile(u"/nonexistent/x.html"_s), QStringList());
        QCOMPARE(HtmlReferences::all(QByteArray()), QStringList());
    }

    void localReferencesOfAFile()
    {
        // What a run embeds from a chosen HTML file: the file's own local
        // references, read from disk, and nothing for a missing file.
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"offre d'été.html"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><head><link href=\"css/site.css\" rel=\"stylesheet\"></head><body>"
                   "<a href=\"https://velmora.test/\"><img src=\"images/logo.png\"></a>"
                   "<img src=\"http://cdn.test/x.png\"><a href=\"mailto:a@b.test\">m</a>"
                   "<img src=\"images/logo.png\"><object data=\"plan.svg\"></object>"
                   "</body></html>");
        file.close();
        QCOMPARE(HtmlReferences::localInFile(path),
                 (QStringList{u"css/site.css"_s, u"images/logo.png"_s, u"images/logo.png"_s,
                              u"plan.svg"_s}));
        QCOMPARE(HtmlReferences::localInFile(dir.filePath(u"missing.html"_s)), QStringList());
        QCOMPARE(HtmlReferences::localInFile(QString()), QStringList());
    }
};

QTEST_MAIN(TestHtmlReferences)
#include "tst_htmlreferences.moc"
