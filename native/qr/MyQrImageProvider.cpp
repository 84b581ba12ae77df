#include "qr/MyQrImageProvider.h"

#include "qr/QrCodeGenerator.h"

#include <QUrl>

#include <qrcodegen.hpp>

MyQrImageProvider::MyQrImageProvider() : QQuickImageProvider(QQmlImageProviderBase::Image) {}

QImage MyQrImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QString text = QUrl::fromPercentEncoding(id.toUtf8());

    // A fresh generator per request: nothing is shared between loader threads.
    const QrCodeGenerator generator;
    const std::optional<qrcodegen::QrCode> qr = generator.encode(text);
    if (!qr) {
        if (size)
            *size = QSize(0, 0);
        return {};
    }

    // A square of whole pixels a module (the enlarged code) is drawn module
    // by module: smoothing would blur the edges a phone's camera looks for.
    const int side = sideModules(qr->getSize());
    if (!requestedSize.isEmpty() && requestedSize.width() == requestedSize.height()
        && requestedSize.width() % side == 0) {
        const QImage crisp = generator.crispImage(*qr, border, requestedSize.width() / side);
        if (size)
            *size = crisp.size();
        return crisp;
    }

    const QImage image = generator.imageOf(*qr, imageSize, border);
    if (size)
        *size = image.size();
    if (image.isNull())
        return image;

    // Without a wanted size the half-turned full image is returned; the code
    // reads just as well that way round.
    if (requestedSize.isEmpty())
        return image.mirrored(true, true);
    return image.scaled(requestedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
