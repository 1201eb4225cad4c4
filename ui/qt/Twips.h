#pragma once

#include <QRect>

// Layouts are given in twips. Qt places widgets in device-independent pixels and scales those to the
// screen itself, so a twip is always 1/15 of such a pixel (96 per inch).
constexpr int twipsToPixels(int twips) {
    return (twips + 7) / 15; // nearest pixel; layouts hold no negative positions
}

// Converts both edges and subtracts, so that neighbours never drift apart by rounding.
constexpr QRect twipsRect(int left, int top, int width, int height) {
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}
