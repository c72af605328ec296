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
    // Over the pixels of Fusion's own outermost line, its corners cut, so only the colour changes;
    // filled as boxes, which cover that line whole at any whole scale. Not the style's antialiased
    // curve, which costs far more to draw at start-up.
    const int right = width() - 1, bottom = height() - 1;
    const QRect sides[] = {{2, 0, right - 3, 1}, {2, bottom, right - 3, 1}, {0, 2, 1, bottom - 3}, {right, 2, 1, bottom - 3},
                           {1, 1, 1, 1},         {right - 1, 1, 1, 1},      {1, bottom - 1, 1, 1}, {right - 1, bottom - 1, 1, 1}};
    QPainter painter(this);
    for (const QRect& side : sides) painter.fillRect(side, edge);
}

QRect TextBox::characterBox(int offset) const {
    const QString shown = displayText();
    if (offset < 0 || offset >= shown.size()) return QRect();
    // Measured from the caret, which the box has already scrolled into view.
    const QFontMetrics metrics(font());
    const QRect caret = cursorRect();
    const int x = caret.left() + caret.width() / 2 + metrics.horizontalAdvance(shown.left(offset)) - metrics.horizontalAdvance(shown.left(cursorPosition()));
    return QRect(x, caret.top(), metrics.horizontalAdvance(shown.at(offset)), caret.height());
}

}  // namespace runtime
