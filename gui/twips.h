#pragma once

#include <QRect>

class QWidget;

// Layout is given in twips (1/1440 inch): 15 twips to a pixel at 96 dpi.
// Qt's device-independent pixels are 1/96 inch, so high-density screens and
// QT_SCALE_FACTOR scale the layout together with the fonts.
inline int twips(int value)
{
    return (value * 2 + (value >= 0 ? 15 : -15)) / 30;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Places a child control at a position given in twips.
void place(QWidget *widget, int left, int top, int width, int height);
