// Positions in the window and in the panels are given in twips (1/1440 inch), the unit the
// layout was drawn in. Everything converts to device-independent pixels here, in one place; Qt's
// high-DPI scaling takes it on from there.
#pragma once

#include <QRect>

struct Rect {
    int left, top, width, height; // twips
};

constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

constexpr int pixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect toPixels(Rect r)
{
    return {pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height)};
}
