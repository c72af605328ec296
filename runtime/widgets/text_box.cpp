// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_box.h"

#include <QPainter>
#include <algorithm>
#include <limits>

namespace runtime {

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    setMaxLength(std::numeric_limits<int>::max());
    connect(this, &QLineEdit::textChanged, this, &TextBox::drawFromOtherFacesWhatTheFaceLacks);
}

// A face used alone is one font engine, shared with the labels drawn in it; the box looks in
// other faces only from the first character its face lacks, and from then on, so an empty
// box costs no second engine at start-up.
void TextBox::drawFromOtherFacesWhatTheFaceLacks() {
    QFont face = font();
    if (!(face.styleStrategy() & QFont::NoFontMerging)) return;
    const QFontMetrics metrics(face);
    const QList<uint> characters = text().toUcs4();
    if (std::all_of(characters.begin(), characters.end(), [&](uint c) { return metrics.inFontUcs4(c); })) return;
    face.setStyleStrategy(QFont::StyleStrategy(face.styleStrategy() & ~QFont::NoFontMerging));
    setFont(face);
}

void TextBox::setEdges(const QColor& edge, const QColor& focusedEdge) {
    edge_ = edge;
    focusedEdge_ = focusedEdge;
    update();
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    const QColor& edge = hasFocus() ? focusedEdge_ : edge_;
    if (!edge.isValid()) return;
    // Along the line Fusion draws its own edge on, its corners cut, so only the colour changes.
    // Plain lines, not the style's antialiased curve, which costs far more to draw at start-up.
    const int right = width() - 1, bottom = height() - 1;
    const QLine sides[] = {{2, 0, right - 2, 0}, {2, bottom, right - 2, bottom}, {0, 2, 0, bottom - 2}, {right, 2, right, bottom - 2}};
    const QPoint corners[] = {{1, 1}, {right - 1, 1}, {1, bottom - 1}, {right - 1, bottom - 1}};
    QPainter painter(this);
    painter.setPen(edge);
    painter.drawLines(sides, 4);
    painter.drawPoints(corners, 4);
}

QRect TextBox::characterBox(int offset) const {
    const QString shown = displayText();
    if (offset < 0 || offset >= shown.size()) return QRect();
    // Measured from the caret, which the box has already scrolled into view.
    const QFontMetrics metrics(font());
    const QRect caret = cursorRect();
    const int x = caret.left() + caret.width() / 2 + metrics.horizontalAdvance(shown.left(offset)) -
                  metrics.horizontalAdvance(shown.left(cursorPosition()));
    return QRect(x, caret.top(), metrics.horizontalAdvance(shown.at(offset)), caret.height());
}

}  // namespace runtime
