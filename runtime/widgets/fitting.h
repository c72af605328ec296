// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QSize>
#include <QStringList>
#include <QTextLayout>
#include <memory>

namespace runtime {

/// How a caption is drawn in its box: its lines, laid out and placed, in the font they are drawn in.
struct CaptionLayout {
    /// The lines, from the box's top-left corner; never null.
    std::unique_ptr<QTextLayout> lines;
    /// True when the caption is drawn at the font's own size with its own breaks (blanks at either end aside).
    bool asDesigned = true;
    /// True when the caption cannot be drawn whole and the box shows the mark instead.
    bool tooLong = false;

    /// The characters of each line as drawn.
    QStringList lineTexts() const;
    QFont font() const { return lines->font(); }
};

/// The smallest pixel size a caption is drawn at.
inline constexpr int kFloorPixelSize = 9;

/// Lays out a caption so that it shows whole in a box of `box` logical pixels, drawn in `font`
/// at `pixelRatio` device pixels to a logical one. The first way that fits is taken: the
/// font's own size and the caption's own breaks; then, leaving out the blanks
/// at either end (which draw nothing), its own size and smaller ones down to kFloorPixelSize on
/// one line, so a figure stays whole on its line; then smaller ones broken between words; then
/// broken anywhere; and where even that fails, a row of "#", the spreadsheet's sign for a figure
/// too wide for its cell, as many as the box holds. A way fits where no line is only the
/// blanks left by a break and no ink is cut away or falls on the box's bottom row or a side
/// column other than the one the lines are aligned to.
CaptionLayout fitCaption(const QString& caption, QSize box, const QFont& font, Qt::Alignment alignment, qreal pixelRatio);

}  // namespace runtime
