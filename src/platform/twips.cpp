#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {

int twipsToPixels(int twips, qreal logicalDpi)
{
    return int(std::lround(twips * logicalDpi / 1440.0));
}

int pixelsToTwips(int pixels, qreal logicalDpi)
{
    if (logicalDpi <= 0)
        return 0;
    return int(std::lround(pixels * 1440.0 / logicalDpi));
}

QRect twipsToPixels(const QRect &twips, qreal logicalDpi)
{
    // Convert the edges, not the size, so that neighbouring controls that
    // touch in twips still touch in pixels.
    const int left = twipsToPixels(twips.x(), logicalDpi);
    const int top = twipsToPixels(twips.y(), logicalDpi);
    const int right = twipsToPixels(twips.x() + twips.width(), logicalDpi);
    const int bottom = twipsToPixels(twips.y() + twips.height(), logicalDpi);
    return QRect(left, top, right - left, bottom - top);
}

qreal screenDpi()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

void placeWidget(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(QRect(left, top, width, height), widget->logicalDpiX()));
}

void centreWindow(QWidget *window, int width, int height)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    const qreal dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const QSize size(twipsToPixels(width, dpi), twipsToPixels(height, dpi));
    window->resize(size);
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

} // namespace platform
