#pragma once

#include <QImage>
#include <QObject>
#include <QString>

#include <optional>

namespace qrcodegen {
class QrCode;
}

// Turns a text into a QR code: first the symbol as an SVG document, then that
// document rendered into a square one-bit image. Holds no state, so one can be
// made on whatever thread asks for an image.
class QrCodeGenerator : public QObject
{
    Q_OBJECT
public:
    explicit QrCodeGenerator(QObject *parent = nullptr);

    // The symbol of the UTF-8 text at medium error correction, or nothing
    // (with a warning) when the text does not fit even the largest symbol.
    std::optional<qrcodegen::QrCode> encode(const QString &text) const;

    // One-line SVG document of a symbol: a white background and one black
    // path of unit squares, inside a quiet border of `border` modules.
    QString svgOf(const qrcodegen::QrCode &qr, quint16 border) const;

    // SVG of the text's symbol; empty when the text cannot be encoded.
    QString generateSvg(const QString &text, quint16 border) const;

    // The text's symbol, its SVG document rendered into a white size x size
    // image of format QImage::Format_Mono; a null image when the text cannot
    // be encoded.
    QImage generateImage(const QString &text, int size, quint16 border) const;

    // The symbol drawn with `scale` whole pixels a module, quiet border
    // included, without smoothing: every module a sharp square, as a phone's
    // camera reads best. A null image when there is no memory for it.
    QImage crispImage(const qrcodegen::QrCode &qr, quint16 border, int scale) const;

    // The symbol's picture at size x size, as generateImage gives it.
    QImage imageOf(const qrcodegen::QrCode &qr, int size, quint16 border) const;

    // Renders a whole SVG document onto the whole of a white size x size
    // one-bit image; a null image when the document cannot be read.
    QImage renderSvg(const QString &svg, int size) const;

    // The same picture painted straight from the modules, for symbols whose
    // path is longer than the SVG reader accepts.
    QImage paintModules(const qrcodegen::QrCode &qr, quint16 border, int size) const;
};
