#include "qr/QrCodeGenerator.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QtDebug>

#include <qrcodegen.hpp>

#include <algorithm>
#include <exception>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using qrcodegen::QrCode;
using qrcodegen::QrSegment;

QrCodeGenerator::QrCodeGenerator(QObject *parent) : QObject(parent) {}

std::optional<QrCode> QrCodeGenerator::encode(const QString &text) const
{
    try {
        const QByteArray utf8 = text.toUtf8();
        // encodeText() reads a C string and would silently stop at an embedded
        // NUL; such a text is bytes mode anyway, which is what it would choose.
        if (utf8.contains('\0')) {
            const std::vector<std::uint8_t> bytes(utf8.cbegin(), utf8.cend());
            return QrCode::encodeSegments({QrSegment::makeBytes(bytes)}, QrCode::Ecc::MEDIUM);
        }
        return QrCode::encodeText(utf8.constData(), QrCode::Ecc::MEDIUM);
    } catch (const qrcodegen::data_too_long &) {
        qWarning("QR code not made: the text is too long for the largest QR code symbol.");
    } catch (const std::exception &e) {
        qWarning("QR code not made: %s", e.what());
    }
    return std::nullopt;
}

QString QrCodeGenerator::svgOf(const QrCode &qr, quint16 border) const
{
    const int n = qr.getSize();
    const QString extent = QString::number(n + 2 * border);

    QString svg;
    // About a half of the modules are dark, each one some 16 characters.
    svg.reserve(300 + n * n * 9);
    svg += u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           u"<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
           u"\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">"
           u"<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" viewBox=\"0 0 "_s
           % extent % u' ' % extent
           % u"\" stroke=\"none\"><rect width=\"100%\" height=\"100%\" fill=\"#FFFFFF\"/>"
             u"<path d=\"";
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            if (!qr.getModule(x, y))
                continue;
            if (x != 0 || y != 0)
                svg += u' ';
            svg += u'M' % QString::number(x + border) % u',' % QString::number(y + border)
                   % u"h1v1h-1z";
        }
    }
    svg += u"\" fill=\"#000000\"/></svg>";
    return svg;
}

QString QrCodeGenerator::generateSvg(const QString &text, quint16 border) const
{
    const std::optional<QrCode> qr = encode(text);
    return qr ? svgOf(*qr, border) : QString();
}

namespace {

// Qt's SVG reader takes a path of more than 32767 elements for a corrupt file
// and cuts it short; each module costs five (move, three lines, close).
constexpr int maxModulesPerSvgPath = 0x7fff / 5;

int darkModules(const QrCode &qr)
{
    int count = 0;
    for (int y = 0; y < qr.getSize(); ++y)
        for (int x = 0; x < qr.getSize(); ++x)
            count += qr.getModule(x, y) ? 1 : 0;
    return count;
}

QImage whiteCanvas(int size)
{
    // Painted in grey levels and made one-bit afterwards: Qt's painter on
    // one-bit images is not safe when two threads paint at the same time
    // (a few pixels come out differently), and the loader thread may.
    QImage canvas(size, size, QImage::Format_Grayscale8);
    if (canvas.isNull())
        qWarning("QR code not made: no memory for the image.");
    else
        canvas.fill(Qt::white);
    return canvas;
}

QImage toMono(const QImage &canvas)
{
    return canvas.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
}

} // namespace

QImage QrCodeGenerator::renderSvg(const QString &svg, int size) const
{
    QSvgRenderer renderer(svg.toUtf8());
    if (!renderer.isValid()) {
        qWarning("QR code not made: its SVG document could not be read.");
        return {};
    }
    QImage canvas = whiteCanvas(size);
    if (canvas.isNull())
        return {};
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(canvas.rect()));
    painter.end();
    return toMono(canvas);
}

QImage QrCodeGenerator::paintModules(const QrCode &qr, quint16 border, int size) const
{
    QImage canvas = whiteCanvas(size);
    if (canvas.isNull())
        return {};
    // The same unit squares in the same view box as the SVG document.
    QPainterPath path;
    for (int y = 0; y < qr.getSize(); ++y)
        for (int x = 0; x < qr.getSize(); ++x)
            if (qr.getModule(x, y))
                path.addRect(x + border, y + border, 1, 1);
    const qreal scale = qreal(size) / (qr.getSize() + 2 * border);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.fillPath(path, Qt::black);
    painter.end();
    return toMono(canvas);
}

QImage QrCodeGenerator::crispImage(const QrCode &qr, quint16 border, int scale) const
{
    const int side = (qr.getSize() + 2 * border) * scale;
    QImage canvas = whiteCanvas(side);
    if (canvas.isNull())
        return {};
    // Written pixel by pixel: no painter, so no shared state between threads.
    for (int y = 0; y < qr.getSize(); ++y) {
        for (int x = 0; x < qr.getSize(); ++x) {
            if (!qr.getModule(x, y))
                continue;
            for (int row = 0; row < scale; ++row) {
                uchar *line = canvas.scanLine((y + border) * scale + row);
                std::fill_n(line + (x + border) * scale, scale, uchar(0));
            }
        }
    }
    return toMono(canvas);
}

QImage QrCodeGenerator::imageOf(const QrCode &qr, int size, quint16 border) const
{
    try {
        // Large symbols exceed what the SVG reader accepts in one path.
        if (darkModules(qr) > maxModulesPerSvgPath)
            return paintModules(qr, border, size);
        return renderSvg(svgOf(qr, border), size);
    } catch (const std::exception &e) {
        qWarning("QR code not made: %s", e.what());
        return {};
    }
}

QImage QrCodeGenerator::generateImage(const QString &text, int size, quint16 border) const
{
    const std::optional<QrCode> qr = encode(text);
    return qr ? imageOf(*qr, size, border) : QImage();
}
