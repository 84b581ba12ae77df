#include "MyQrImageProvider.h"

#include "QrCodeGenerator.h"

#include <QUrl>

MyQrImageProvider::MyQrImageProvider() : QQuickImageProvider(QQmlImageProviderBase::Image) {}

QImage MyQrImageProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const QString text = QUrl::fromPercentEncoding(id.toUtf8());

    // A fresh generator per request: nothing is shared between loader threads.
    const QrCodeGenerator generator;
    const QImage image = generator.generateImage(text, imageSize, border);
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
