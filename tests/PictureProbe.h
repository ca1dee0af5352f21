#pragma once

#include <QImage>
#include <QRect>
#include <QtDebug>

#include <algorithm>
#include <initializer_list>

// Reads painted shapes back out of a picture. Checks return false and print
// the first pixel that does not fit.
using Rgb = quint32;

inline Rgb rgbAt(const QImage &image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

inline bool misfit(int x, int y, Rgb found)
{
    qWarning("pixel %d,%d is #%06X", x, y, unsigned(found));
    return false;
}

inline bool onlyColours(const QImage &image, const QRect &area, std::initializer_list<Rgb> allowed)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const Rgb found = rgbAt(image, x, y);
            if (std::find(allowed.begin(), allowed.end(), found) == allowed.end())
                return misfit(x, y, found);
        }
    }
    return true;
}

// Every pixel lies between the two colours, channel by channel: smoothed
// text of one colour on a plain ground.
inline bool onlyBlends(const QImage &image, const QRect &area, Rgb ground, Rgb ink)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const Rgb found = rgbAt(image, x, y);
            for (int shift : {16, 8, 0}) {
                const int value = int((found >> shift) & 0xFF);
                const int a = int((ground >> shift) & 0xFF);
                const int b = int((ink >> shift) & 0xFF);
                if (value < qMin(a, b) || value > qMax(a, b))
                    return misfit(x, y, found);
            }
        }
    }
    return true;
}

inline bool rowIs(const QImage &image, const QRect &area, int y, Rgb colour)
{
    return onlyColours(image, QRect(area.left(), y, area.width(), 1), {colour});
}

// The one-pixel ring along the inside of the rectangle.
inline bool ringIs(const QImage &image, const QRect &rect, Rgb colour)
{
    return rowIs(image, rect, rect.top(), colour) && rowIs(image, rect, rect.bottom(), colour) &&
           onlyColours(image, QRect(rect.left(), rect.top(), 1, rect.height()), {colour}) &&
           onlyColours(image, QRect(rect.right(), rect.top(), 1, rect.height()), {colour});
}

inline QRect boundsOf(const QImage &image, const QRect &area, Rgb colour)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (rgbAt(image, x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// The pixels of a filled area that differ from their row's colour at its
// left edge: the caption painted on a fill of horizontal rows.
inline QRect captionBounds(const QImage &image, const QRect &area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const Rgb fill = rgbAt(image, area.left(), y);
        for (int x = area.left(); x <= area.right(); ++x) {
            if (rgbAt(image, x, y) != fill)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Every pixel of the face colour is surrounded by face or edge pixels only.
inline bool faceIsEdged(const QImage &image, const QRect &area, Rgb face, Rgb edge)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (rgbAt(image, x, y) != face)
                continue;
            if (!onlyColours(image, QRect(x - 1, y - 1, 3, 3), {face, edge}))
                return false;
        }
    }
    return true;
}

// Equal margins on both sides, give or take the odd pixel.
inline bool isCentred(const QRect &inner, const QRect &outer)
{
    const int horizontal = (inner.left() - outer.left()) - (outer.right() - inner.right());
    const int vertical = (inner.top() - outer.top()) - (outer.bottom() - inner.bottom());
    if (qAbs(horizontal) <= 1 && qAbs(vertical) <= 1)
        return true;
    qWarning("margins differ by %d across and %d down", horizontal, vertical);
    return false;
}

// Each colour channel moves steadily from the row above the range to the
// row below it, down one column.
inline bool gradientRunsDown(const QImage &image, int x, int fromY, int toY)
{
    const Rgb top = rgbAt(image, x, fromY - 1);
    const Rgb bottom = rgbAt(image, x, toY + 1);
    for (int shift : {16, 8, 0}) {
        const int direction = int((bottom >> shift) & 0xFF) - int((top >> shift) & 0xFF);
        for (int y = fromY; y <= toY + 1; ++y) {
            const int step = int((rgbAt(image, x, y) >> shift) & 0xFF) -
                             int((rgbAt(image, x, y - 1) >> shift) & 0xFF);
            if (step * direction < 0 || (direction == 0 && step != 0))
                return misfit(x, y, rgbAt(image, x, y));
        }
    }
    return top != bottom;
}

// The nearest pixels of the colour left, right, above and below the point,
// as the corners of a rectangle; invalid when a side has none.
inline QRect enclosingRing(const QImage &image, QPoint from, Rgb colour)
{
    const auto walk = [&](int dx, int dy) {
        QPoint at = from;
        while (image.valid(at) && rgbAt(image, at.x(), at.y()) != colour)
            at += QPoint(dx, dy);
        return image.valid(at) ? at : QPoint(-1, -1);
    };
    const QPoint left = walk(-1, 0), right = walk(1, 0), up = walk(0, -1), down = walk(0, 1);
    if (left.x() < 0 || right.x() < 0 || up.x() < 0 || down.x() < 0)
        return {};
    return QRect(QPoint(left.x(), up.y()), QPoint(right.x(), down.y()));
}
