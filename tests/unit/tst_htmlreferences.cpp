#include "HtmlReferences.h"
#include "QmlCppBridge.h"

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

    void unreadableFile()
    {
        QCOMPARE(HtmlReferences::localInFile(u"/nonexistent/x.html"_s), QStringList());
        QCOMPARE(HtmlReferences::all(QByteArray()), QStringList());
    }

    void bridgeLocalReferences()
    {
        // What the interface asks for a chosen HTML file: the file's own local
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
        QmlCppBridge bridge;
        QCOMPARE(bridge.localReferences(path), (QStringList{u"css/site.css"_s, u"images/logo.png"_s,
                                                            u"images/logo.png"_s, u"plan.svg"_s}));
        QCOMPARE(bridge.localReferences(dir.filePath(u"missing.html"_s)), QStringList());
        QCOMPARE(bridge.localReferences(QString()), QStringList());
    }
};

QTEST_MAIN(TestHtmlReferences)
#include "tst_htmlreferences.moc"
