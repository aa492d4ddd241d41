#pragma once
// Sizes and positions in twips (1/1440 inch): 15 twips make a pixel at
// 96 dpi, fewer on a screen with a larger logical dpi.
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// Rounds to the nearest pixel; a negative value rounds symmetrically.
int twipsToPixels(int twips, qreal logicalDpi);
int pixelsToTwips(int pixels, qreal logicalDpi);
QRect twipsToPixels(const QRect &twips, qreal logicalDpi);

// The logical dpi of the primary screen (96 when there is none).
qreal screenDpi();

// Places a control inside its parent by a twips rectangle.
void placeWidget(QWidget *widget, int left, int top, int width, int height);

// Sizes a window by twips and centres it on the screen:
// left = (screen width − window width) / 2, top likewise.
void centreWindow(QWidget *window, int width, int height);

} // namespace platform
