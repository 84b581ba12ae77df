#include "qr/MyQrImageProvider.h"
#include "qr/QrCodeGenerator.h"

#include <QDir>
#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <qrcodegen.hpp>

#include <memory>
#include <sstream>
#include <thread>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using qrcodegen::QrCode;

namespace {

const char *const tooLongWarning
        = "QR code not made: the text is too long for the largest QR code symbol.";

const QString vCard = u"BEGIN:VCARD\nVERSION:4.0\nN:Béranger;Zoë\nFN:Zoë Béranger\n"
                      u"ORG:Café Noël & Fils\nEMAIL;TYPE=INTERNET:zoe@cafe-noel.fr\n"
                      u"TEL;TYPE=voice,cell,pref:+33 6 12 34 56 78\nEND:VCARD"_s;

QrCode symbolOf(const QString &text)
{
    return QrCode::encodeText(text.toUtf8().constData(), QrCode::Ecc::MEDIUM);
}

// The document written out again from the symbol, with the standard library,
// so that the generator's own formatting is not what the test compares with.
QString expectedSvg(const QrCode &qr, int border)
{
    const int n = qr.getSize();
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        << "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
        << "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 "
        << n + 2 * border << ' ' << n + 2 * border << "\" stroke=\"none\">"
        << "<rect width=\"100%\" height=\"100%\" fill=\"#FFFFFF\"/><path d=\"";
    bool first = true;
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (qr.getModule(x, y)) {
                out << (first ? "" : " ") << 'M' << x + border << ',' << y + border << "h1v1h-1z";
                first = false;
            }
    out << "\" fill=\"#000000\"/></svg>";
    return QString::fromStdString(out.str());
}

using Grid = std::vector<std::vector<bool>>;

// Dark modules of the symbol with its quiet border, [y][x].
Grid symbolGrid(const QrCode &qr, int border)
{
    const int w = qr.getSize() + 2 * border;
    Grid grid(w, std::vector<bool>(w, false));
    for (int y = 0; y < qr.getSize(); ++y)
        for (int x = 0; x < qr.getSize(); ++x)
            grid[y + border][x + border] = qr.getModule(x, y);
    return grid;
}

// Reads the image back at the centre of every module of a w x w grid; a
// half-turned image is read from the opposite corner.
Grid sampledGrid(const QImage &image, int w, bool halfTurned)
{
    Grid grid(w, std::vector<bool>(w, false));
    for (int y = 0; y < w; ++y)
        for (int x = 0; x < w; ++x) {
            const int px = int((x + 0.5) * image.width() / w);
            const int py = int((y + 0.5) * image.height() / w);
            const bool dark = qGray(image.pixel(px, py)) < 128;
            if (halfTurned)
                grid[w - 1 - y][w - 1 - x] = dark;
            else
                grid[y][x] = dark;
        }
    return grid;
}

QString zbarimg()
{
    return QStandardPaths::findExecutable(u"zbarimg"_s);
}

// What a real QR reader finds in the image: the raw bytes of the symbol.
QByteArray decodeWithZbar(const QImage &image)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"code.png"_s);
    if (!image.save(file))
        return "(image not saved)";
    QProcess zbar;
    // -Sbinary hands over the bytes as stored, with no guess of their charset.
    zbar.start(zbarimg(), {u"--raw"_s, u"-q"_s, u"-Sbinary"_s, file});
    if (!zbar.waitForFinished(60000) || zbar.exitCode() != 0)
        return "(zbarimg failed: " + zbar.readAllStandardError() + ')';
    return zbar.readAllStandardOutput();
}

} // namespace

class TestQrCode : public QObject
{
    Q_OBJECT

private slots:
    // Any warning not expected by a test fails it, Qt's own ones included
    // (the SVG reader's "path truncated" among them).
    void init() { QTest::failOnWarning(QRegularExpression(u".*"_s)); }

    void svgDocumentIsWrittenModuleByModule_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("modules");
        QTest::newRow("version 1") << u"Parvane"_s << 1 << 21;
        QTest::newRow("empty text") << QString() << 1 << 21;
        QTest::newRow("alphanumeric") << u"HELLO WORLD 123"_s << 1 << 21;
        QTest::newRow("vCard") << vCard << 1 << 0;
        QTest::newRow("wide border") << u"Parvane"_s << 4 << 21;
    }

    void svgDocumentIsWrittenModuleByModule()
    {
        QFETCH(QString, text);
        QFETCH(int, border);
        QFETCH(int, modules);

        const QrCode qr = symbolOf(text);
        if (modules)
            QCOMPARE(qr.getSize(), modules);
        const QrCodeGenerator generator;
        const QString svg = border == 1 ? generator.generateSvg(text, 1)
                                        : generator.svgOf(qr, quint16(border));
        QCOMPARE(svg, expectedSvg(qr, border));

        const int w = qr.getSize() + 2 * border;
        const QString corner = u"M%1,%1h1v1h-1z"_s.arg(border);
        QVERIFY(svg.contains(u"viewBox=\"0 0 %1 %1\" stroke"_s.arg(w)));
        QVERIFY2(svg.contains(u"<path d=\""_s + corner + u' '), qPrintable(svg.left(400)));
        QVERIFY(!svg.contains(u'\n'));

        QSvgRenderer renderer(svg.toUtf8());
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.viewBox(), QRect(0, 0, w, w));
    }

    void imageShowsTheSymbol()
    {
        const QImage image = QrCodeGenerator().generateImage(vCard, 1000, 1);
        QCOMPARE(image.size(), QSize(1000, 1000));
        QCOMPARE(image.format(), QImage::Format_Mono);
        const QrCode qr = symbolOf(vCard);
        QVERIFY(sampledGrid(image, qr.getSize() + 2, false) == symbolGrid(qr, 1));
    }

    void requestedSize_data()
    {
        QTest::addColumn<QSize>("requested");
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<bool>("halfTurned");
        QTest::newRow("none") << QSize() << QSize(1000, 1000) << true;
        QTest::newRow("square") << QSize(200, 200) << QSize(200, 200) << false;
        QTest::newRow("contact card") << QSize(96, 96) << QSize(96, 96) << false;
        QTest::newRow("non-square") << QSize(300, 120) << QSize(300, 120) << false;
        QTest::newRow("larger") << QSize(1500, 1500) << QSize(1500, 1500) << false;
        QTest::newRow("zero") << QSize(0, 0) << QSize(1000, 1000) << true;
        QTest::newRow("negative") << QSize(-5, -5) << QSize(1000, 1000) << true;
        QTest::newRow("zero height") << QSize(200, 0) << QSize(1000, 1000) << true;
    }

    void requestedSize()
    {
        QFETCH(QSize, requested);
        QFETCH(QSize, expected);
        QFETCH(bool, halfTurned);

        const QString text = u"Parvane"_s;
        MyQrImageProvider provider;
        QCOMPARE(provider.imageType(), QQmlImageProviderBase::Image);
        QCOMPARE(provider.flags(), QQmlImageProviderBase::Flags());

        QSize size(-7, -7);
        const QImage image = provider.requestImage(text, &size, requested);
        QCOMPARE(size, QSize(1000, 1000));
        QCOMPARE(image.size(), expected);
        // The 23-module grid must still be there, the right way round or
        // half turned as asked.
        const QrCode qr = symbolOf(text);
        QVERIFY(sampledGrid(image, 23, halfTurned) == symbolGrid(qr, 1));
        QVERIFY(sampledGrid(image, 23, !halfTurned) != symbolGrid(qr, 1));

        // The size pointer is optional.
        QCOMPARE(provider.requestImage(text, nullptr, requested).size(), expected);
    }

    void percentEncodedIdDecodesToUtf8Text_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("id");
        const QString name = u"Zoë Béranger, Café Noël"_s;
        QTest::newRow("accents") << name << QString::fromLatin1(QUrl::toPercentEncoding(name));
        // The engine may hand over an id whose non-ASCII letters are already decoded.
        QTest::newRow("accents, half decoded")
                << name << u"Zo\u00eb%20B\u00e9ranger,%20Caf\u00e9%20No\u00ebl"_s;
        QTest::newRow("percent sign")
                << u"100% sûr #1?"_s
                << QString::fromLatin1(QUrl::toPercentEncoding(u"100% sûr #1?"_s));
        QTest::newRow("vCard") << vCard << QString::fromLatin1(QUrl::toPercentEncoding(vCard));
        QTest::newRow("emoji") << u"Salut 🙂"_s << u"Salut%20%F0%9F%99%82"_s;
    }

    void percentEncodedIdDecodesToUtf8Text()
    {
        QFETCH(QString, text);
        QFETCH(QString, id);

        const QImage image = MyQrImageProvider().requestImage(id, nullptr, QSize(400, 400));
        const QrCode qr = symbolOf(text);
        const int w = qr.getSize() + 2;
        QVERIFY(sampledGrid(image, w, false) == symbolGrid(qr, 1));

        // Read as Latin-1 instead, the same text makes another symbol: the
        // comparison above does tell the two apart.
        const QrCode latin1 = QrCode::encodeText(text.toLatin1().constData(), QrCode::Ecc::MEDIUM);
        if (latin1.getSize() == qr.getSize())
            QVERIFY(symbolGrid(latin1, 1) != symbolGrid(qr, 1));
    }

    void embeddedNulIsKept()
    {
        const QString text = u"a"_s + QChar(0) + u"b"_s;
        const std::vector<std::uint8_t> bytes{'a', 0, 'b'};
        const QrCode whole = QrCode::encodeBinary(bytes, QrCode::Ecc::MEDIUM);
        QCOMPARE(QrCodeGenerator().generateSvg(text, 1), expectedSvg(whole, 1));
        QVERIFY(QrCodeGenerator().generateSvg(u"a"_s, 1) != expectedSvg(whole, 1));
    }

    void textTooLongGivesNullImage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        // 2331 bytes is what a version-40 symbol holds at medium correction.
        QTest::newRow("2331 bytes") << QString(2331, u'a') << true;
        QTest::newRow("2332 bytes") << QString(2332, u'a') << false;
        QTest::newRow("8000 characters") << QString(8000, u'x') << false;
        QTest::newRow("1166 two-byte letters") << QString(1166, u'é') << false;
    }

    void textTooLongGivesNullImage()
    {
        QFETCH(QString, text);
        QFETCH(bool, fits);

        if (!fits)
            QTest::ignoreMessage(QtWarningMsg, tooLongWarning);
        QSize size(-7, -7);
        const QImage image = MyQrImageProvider().requestImage(text, &size, QSize(200, 200));
        if (fits) {
            QCOMPARE(size, QSize(1000, 1000));
            QCOMPARE(image.size(), QSize(200, 200));
            QCOMPARE(symbolOf(text).getSize(), 177);
            return;
        }
        QVERIFY(image.isNull());
        QCOMPARE(size, QSize(0, 0));

        QTest::ignoreMessage(QtWarningMsg, tooLongWarning);
        QVERIFY(QrCodeGenerator().generateSvg(text, 1).isEmpty());
        QTest::ignoreMessage(QtWarningMsg, tooLongWarning);
        QVERIFY(MyQrImageProvider().requestImage(text, nullptr, QSize()).isNull());
    }

    void workerThreadsGiveTheSameImages()
    {
        const QStringList ids{u"Parvane"_s, QString::fromLatin1(QUrl::toPercentEncoding(vCard)),
                              QString(300, u'7'), u"Zo%C3%AB"_s};
        MyQrImageProvider provider;
        QList<QImage> onMain;
        for (const QString &id : ids)
            onMain.append(provider.requestImage(id, nullptr, QSize()));

        // All at once, each thread on its own id, against the one provider.
        std::vector<QImage> onWorkers(ids.size());
        std::vector<std::thread> threads;
        for (qsizetype i = 0; i < ids.size(); ++i)
            threads.emplace_back(
                    [&, i] { onWorkers[i] = provider.requestImage(ids[i], nullptr, QSize()); });
        for (std::thread &thread : threads)
            thread.join();

        for (qsizetype i = 0; i < ids.size(); ++i) {
            QVERIFY(!onMain[i].isNull());
            QCOMPARE(onWorkers[i], onMain[i]);
        }
    }

    void realReaderDecodesTheImage_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("requested");
        QTest::newRow("ASCII, full size") << u"Parvane 2.1.1"_s << QSize();
        QTest::newRow("vCard, full size") << vCard << QSize();
        QTest::newRow("vCard, 200 x 200") << vCard << QSize(200, 200);
        QTest::newRow("accents, 400 x 400") << u"Zoë Béranger, Café Noël"_s << QSize(400, 400);
        // The enlarged view asks for whole pixels a module.
        const int side = MyQrImageProvider::sideModules(symbolOf(vCard).getSize());
        QTest::newRow("vCard, 4 px a module") << vCard << QSize(4 * side, 4 * side);
        QTest::newRow("largest symbol") << QString(2331, u'q') << QSize();
    }

    void realReaderDecodesTheImage()
    {
        if (zbarimg().isEmpty())
            QSKIP("zbarimg (package zbar-tools) is not installed");
        QFETCH(QString, text);
        QFETCH(QSize, requested);

        const QString id = QString::fromLatin1(QUrl::toPercentEncoding(text));
        const QImage image = MyQrImageProvider().requestImage(id, nullptr, requested);
        QVERIFY(!image.isNull());
        QCOMPARE(decodeWithZbar(image), text.toUtf8());
        if (!requested.isValid())
            return;
        QCOMPARE(image.size(), requested);

        // Whole pixels a module: every pixel is its module's colour, no grey edge.
        const QrCode qr = symbolOf(text);
        const int w = MyQrImageProvider::sideModules(qr.getSize());
        if (requested.width() % w != 0)
            return;
        const Grid grid = symbolGrid(qr, MyQrImageProvider::border);
        const int scale = requested.width() / w;
        int wrong = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                wrong += (qGray(image.pixel(x, y)) == 0) != grid[y / scale][x / scale] ? 1 : 0;
        QCOMPARE(wrong, 0);
    }

    // The way the contact view uses it: an Image element of a real engine with
    // a wanted size, loading asynchronously on the engine's loader thread.
    void qmlImageElementShowsTheCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("encodeUri");
        QTest::newRow("vCard, encodeURIComponent") << vCard << true;
        QTest::newRow("vCard, text as is") << vCard << false;
        const QString marks = u"ORG:Café #1? 100% 50%41 a+b&c=d/e\\f"_s;
        QTest::newRow("URL marks, encodeURIComponent") << marks << true;
        QTest::newRow("URL marks, text as is") << marks << false;
    }

    void qmlImageElementShowsTheCode()
    {
        if (zbarimg().isEmpty())
            QSKIP("zbarimg (package zbar-tools) is not installed");
        QFETCH(QString, text);
        QFETCH(bool, encodeUri);

        QQmlEngine engine;
        engine.addImageProvider(u"qrCode"_s, new MyQrImageProvider);
        QQmlComponent component(&engine);
        component.setData("import QtQuick\n"
                          "Window {\n"
                          "    width: 440; height: 440; visible: true; color: \"white\"\n"
                          "    property string text\n"
                          "    property bool encode\n"
                          "    Image {\n"
                          "        objectName: \"code\"; x: 20; y: 20; width: 400; height: 400\n"
                          "        asynchronous: true; cache: false\n"
                          "        sourceSize.width: 400; sourceSize.height: 400\n"
                          "        source: \"image://qrCode/\"\n"
                          "                + (encode ? encodeURIComponent(text) : text)\n"
                          "    }\n"
                          "}\n",
                          QUrl(u"qrc:/tst_qrcode.qml"_s));
        std::unique_ptr<QObject> root(component.createWithInitialProperties(
                {{u"text"_s, text}, {u"encode"_s, encodeUri}}));
        QVERIFY2(root, qPrintable(component.errorString()));
        auto *window = qobject_cast<QQuickWindow *>(root.get());
        QVERIFY(window);
        auto *image = window->findChild<QQuickItem *>(u"code"_s);
        QVERIFY(image);
        QTRY_COMPARE_WITH_TIMEOUT(image->property("status").toInt(), 1 /* Image.Ready */, 10000);
        QVERIFY(QTest::qWaitForWindowExposed(window));

        // Wait for a frame that shows the code: the middle of its top-left
        // finder (module 3 of the symbol, 4 with the border) is dark.
        const int finder = 20 + int(4.5 * 400 / (symbolOf(text).getSize() + 2));
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = window->grabWindow(),
                                  !shot.isNull() && qGray(shot.pixel(finder, finder)) < 128),
                                 5000);
        QCOMPARE(decodeWithZbar(shot), text.toUtf8());
    }
};

QTEST_MAIN(TestQrCode)
#include "tst_qrcode.moc"
