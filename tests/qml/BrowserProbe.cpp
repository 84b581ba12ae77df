#include "BrowserProbe.h"

#include <QDesktopServices>

BrowserProbe *BrowserProbe::instance()
{
    static BrowserProbe probe;
    return &probe;
}

void BrowserProbe::install()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), instance(), "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), instance(), "open");
}

void BrowserProbe::clear()
{
    m_opened.clear();
    emit openedChanged();
}

void BrowserProbe::open(const QUrl &url)
{
    m_opened.append(url.toString());
    emit openedChanged();
}
