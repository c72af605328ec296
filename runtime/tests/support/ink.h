#pragma once

#include "contrast.h"

#include <QImage>
#include <QRect>
#include <algorithm>

namespace runtime::testing {

inline Rgb rgbOf(QRgb pixel) {
    return Rgb{static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)), static_cast<std::uint8_t>(qBlue(pixel))};
}

/// Whether any pixel of the box's outermost columns or bottom row differs from `paper`; the
/// left column is left out for text that begins there by design.
inline bool inkOnEdges(const QImage& shot, const QRect& box, QRgb paper, bool leftAligned = false) {
    const auto ink = [&](int x, int y) { return (shot.pixel(x, y) & 0xFFFFFF) != (paper & 0xFFFFFF); };
    for (int y = box.top(); y <= box.bottom(); ++y) {
        if ((!leftAligned && ink(box.left(), y)) || ink(box.right(), y)) return true;
    }
    for (int x = box.left(); x <= box.right(); ++x) {
        if (ink(x, box.bottom())) return true;
    }
    return false;
}

/// The contrast of the box's text against its background, from the pixels alone: the
/// background is the colour most of the box shows, the text the pixel that differs most.
inline double inkContrast(const QImage& shot, const QRect& box) {
    QHash<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) ++counts[shot.pixel(x, y) | 0xFF000000];
    }
    const QRgb paper = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(),
                                        [](const auto& a, const auto& b) { return a.second < b.second; })->first;
    double most = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it) most = std::max(most, contrastRatio(rgbOf(*it), rgbOf(paper)));
    return most;
}

}  // namespace runtime::testing
