#pragma once

#include <QQuickImageProvider>

// Answers "image://qrCode/<percent-encoded text>" with a QR code of the text.
// Holds no state: the engine may call it from its image-loading thread.
class MyQrImageProvider : public QQuickImageProvider
{
public:
    MyQrImageProvider();

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    static constexpr int imageSize = 1000;
    static constexpr quint16 border = 1;

    // Modules across the image of a symbol of `symbolSize` modules: the
    // symbol and its border on both sides.
    static constexpr int sideModules(int symbolSize) { return symbolSize + 2 * border; }
};
