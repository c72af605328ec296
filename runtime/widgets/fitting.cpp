// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitting.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace runtime {
namespace {

std::unique_ptr<QTextLayout> layOut(const QString& text, const QFont& font, const QSize& box, Qt::Alignment alignment, QTextOption::WrapMode wrap) {
    auto layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wrap);
    layout->setTextOption(option);
    const qreal leading = QFontMetricsF(font).leading();
    qreal y = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        if (line.lineNumber() > 0) y += leading;
        line.setLineWidth(box.width());
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    return layout;
}

// Whether a drawn layout puts ink beyond the box, where it would be cut away, or on its
// bottom row or a side column other than the one the lines are aligned to.
bool inkOnEdges(const QTextLayout& layout, const QSize& box, Qt::Alignment alignment, qreal pixelRatio) {
    constexpr int margin = 3;
    const QSize around = box.grownBy(QMargins(margin, margin, margin, margin));
    QImage ink(QSize(std::ceil(around.width() * pixelRatio), std::ceil(around.height() * pixelRatio)), QImage::Format_ARGB32_Premultiplied);
    ink.setDevicePixelRatio(pixelRatio);
    ink.fill(Qt::transparent);
    {
        QPainter painter(&ink);
        painter.setPen(Qt::black);
        layout.draw(&painter, QPointF(margin, margin));
    }
    const auto device = [pixelRatio](qreal logical) { return static_cast<int>(std::lround(logical * pixelRatio)); };
    const int left = device(margin), top = device(margin);
    const int right = device(margin + box.width()) - 1, bottom = device(margin + box.height()) - 1;
    const bool leftFree = !(alignment & Qt::AlignLeft), rightFree = !(alignment & Qt::AlignRight);
    for (int y = 0; y < ink.height(); ++y) {
        for (int x = 0; x < ink.width(); ++x) {
            if (!qAlpha(ink.pixel(x, y))) continue;
            if (x < left || x > right || y < top || y >= bottom) return true;
            if ((x == left && leftFree) || (x == right && rightFree)) return true;
        }
    }
    return false;
}

// Every line lies within the box, none is only the blanks left over from a break, and no
// ink is cut away or touches the edges. Where each line's ink, as far as its end characters
// reach beyond their advances, keeps a pixel clear of the bottom and of the sides it is not
// aligned to, it is settled without drawing; a glyph further in that reaches past its
// neighbours and the line's end (none does in the faces the designs use) is not looked for.
// Skipping the drawing matters: it would otherwise run for every caption at start-up.
bool fits(const QTextLayout& layout, const QSize& box, Qt::Alignment alignment, qreal pixelRatio) {
    const qreal leftClear = alignment & Qt::AlignLeft ? 0 : 1;
    const qreal rightClear = alignment & Qt::AlignRight ? 0 : 1;
    const QFontMetricsF metrics(layout.font());
    bool clearOfEdges = true;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const QRectF drawn = line.naturalTextRect();
        const QString inked = layout.text().mid(line.textStart(), line.textLength()).trimmed();
        if (drawn.left() < -0.01 || drawn.right() > box.width() + 0.01 || drawn.bottom() > box.height() + 0.01) return false;
        if (layout.lineCount() > 1 && inked.isEmpty()) return false;
        // A glyph may be drawn beyond its advance: Liberation Serif's "j" reaches left of where it stands.
        const qreal beyondLeft = inked.isEmpty() ? 0 : std::max(0.0, -metrics.leftBearing(inked.front()));
        const qreal beyondRight = inked.isEmpty() ? 0 : std::max(0.0, -metrics.rightBearing(inked.back()));
        if (drawn.left() - beyondLeft < leftClear || drawn.right() + beyondRight > box.width() - rightClear || drawn.bottom() > box.height() - 1) {
            clearOfEdges = false;
        }
    }
    return clearOfEdges || !inkOnEdges(layout, box, alignment, pixelRatio);
}

QFont atPixelSize(QFont font, int pixels) {
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

QStringList CaptionLayout::lineTexts() const {
    QStringList texts;
    for (int i = 0; i < lines->lineCount(); ++i) {
        const QTextLine line = lines->lineAt(i);
        texts << lines->text().mid(line.textStart(), line.textLength());
    }
    return texts;
}

CaptionLayout fitCaption(const QString& caption, QSize box, const QFont& font, Qt::Alignment alignment, qreal pixelRatio) {
    CaptionLayout made;
    const int designed = QFontInfo(font).pixelSize();
    QString shown = caption;
    const auto attempt = [&](int pixels, QTextOption::WrapMode wrap) {
        auto layout = layOut(shown, atPixelSize(font, pixels), box, alignment, wrap);
        if (!fits(*layout, box, alignment, pixelRatio)) return false;
        made.lines = std::move(layout);
        return true;
    };
    // The design's own size and breaks first, then without the blanks at either end: a
    // figure's leading blank only keeps the place of its sign.
    bool placed = shown.trimmed().isEmpty() || attempt(designed, QTextOption::WordWrap);
    shown = shown.trimmed();
    if (!placed) placed = attempt(designed, QTextOption::NoWrap);
    made.asDesigned = placed;
    for (int pixels = designed - 1; !placed && pixels >= kFloorPixelSize; --pixels) placed = attempt(pixels, QTextOption::NoWrap);
    for (int pixels = designed - 1; !placed && pixels >= kFloorPixelSize; --pixels) placed = attempt(pixels, QTextOption::WordWrap);
    for (int pixels = designed; !placed && pixels >= kFloorPixelSize; --pixels) placed = attempt(pixels, QTextOption::WrapAnywhere);
    if (!placed) {
        // As many marks as the box holds, at the caption's own size where one fits at all.
        made.tooLong = true;
        for (const int pixels : {designed, kFloorPixelSize}) {
            const QFont markFont = atPixelSize(font, pixels);
            const int room = static_cast<int>((box.width() - 2) / QFontMetricsF(markFont).horizontalAdvance(QLatin1Char('#')));
            for (int count = std::max(room, 1); !placed && count >= 1; --count) {
                auto layout = layOut(QString(count, QLatin1Char('#')), markFont, box, alignment, QTextOption::NoWrap);
                placed = fits(*layout, box, alignment, pixelRatio);
                if (placed) made.lines = std::move(layout);
            }
            if (placed) break;
        }
    }
    if (!made.lines) made.lines = layOut(caption, font, box, alignment, QTextOption::WordWrap);
    return made;
}

}  // namespace runtime
