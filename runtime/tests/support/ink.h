// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "contrast.h"

#include <QHash>
#include <QImage>
#include <QRegion>
#include <algorithm>

namespace runtime::testing {

inline Rgb rgbOf(QRgb pixel) {
    return Rgb{static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)), static_cast<std::uint8_t>(qBlue(pixel))};
}

/// How many pixels of the region show each colour.
inline QHash<QRgb, int> colourCounts(const QImage& shot, const QRegion& region) {
    QHash<QRgb, int> counts;
    for (const QRect& box : region.intersected(shot.rect())) {
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) ++counts[shot.pixel(x, y) | 0xFF000000];
    }
    return counts;
}

/// The colour most of the region shows: the paper its text is written on.
inline QRgb commonest(const QImage& shot, const QRegion& region) {
    const QHash<QRgb, int> counts = colourCounts(shot, region);
    const auto most = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == counts.keyValueEnd() ? 0 : most->first;
}

/// The contrast of the region's text against its paper, from the pixels alone: the text is
/// the pixel that differs most.
inline double inkContrast(const QImage& shot, const QRegion& region) {
    const Rgb paper = rgbOf(commonest(shot, region));
    double most = 1;
    for (const QRgb colour : colourCounts(shot, region).keys()) most = std::max(most, contrastRatio(rgbOf(colour), paper));
    return most;
}

/// Whether any pixel of the box's outermost columns or bottom row differs from `paper`; the
/// left column is left out for text that begins there by design.
inline bool inkOnEdges(const QImage& shot, const QRect& box, QRgb paper, bool leftAligned = false) {
    const QRegion edges = QRegion(box) - box.adjusted(leftAligned ? 0 : 1, 0, -1, -1);
    return colourCounts(shot, edges).size() > 1 || commonest(shot, edges) != (paper | 0xFF000000);
}

}  // namespace runtime::testing
