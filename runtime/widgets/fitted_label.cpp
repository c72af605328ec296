// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitted_label.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleHints>
#include <QToolTip>

namespace runtime {

// A layout with what it was made for: it is made again once any of them changes.
struct FittedLabel::Fit {
    QString text;
    QSize size;
    QFont font;
    Qt::Alignment alignment;
    qreal pixelRatio = 1;
    CaptionLayout drawn;

    bool madeFor(const FittedLabel& label) const {
        return text == label.text() && size == label.size() && font == label.font() && alignment == label.alignment() &&
               pixelRatio == label.devicePixelRatioF();
    }
};

FittedLabel::FittedLabel(QWidget* parent) : QLabel(parent) {}

FittedLabel::~FittedLabel() = default;

void FittedLabel::setCaption(const QString& caption) {
    const QString before = text();
    select(0, 0);
    setText(caption);
    if (before == caption) return;
    QAccessibleTextUpdateEvent changed(this, 0, before, caption);
    QAccessible::updateAccessibility(&changed);
}

const CaptionLayout& FittedLabel::drawn() const {
    if (!fit_ || !fit_->madeFor(*this)) {
        fit_ = std::make_unique<Fit>(
            Fit{text(), size(), font(), alignment(), devicePixelRatioF(), fitCaption(text(), size(), font(), alignment(), devicePixelRatioF())});
    }
    return fit_->drawn;
}

QStringList FittedLabel::shownLines() const { return drawn().lineTexts(); }

QFont FittedLabel::shownFont() const { return drawn().font(); }

bool FittedLabel::shownAsDesigned() const { return drawn().asDesigned; }

bool FittedLabel::shownTooLong() const { return drawn().tooLong; }

void FittedLabel::paintEvent(QPaintEvent*) {
    if (text().trimmed().isEmpty()) return;  // blanks draw nothing: an empty result is not laid out
    QList<QTextLayout::FormatRange> selected;
    if (!selectedText().isEmpty()) selected << selection_.highlight(drawn(), palette());
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    drawn().lines->draw(&painter, QPointF(0, 0), selected);
}

void FittedLabel::setSelectable(bool selectable) {
    selectable_ = selectable;
    setFocusPolicy(selectable ? Qt::ClickFocus : Qt::NoFocus);
    if (selectable)
        setCursor(Qt::IBeamCursor);
    else
        unsetCursor();
    select(0, 0);
}

QString FittedLabel::selectedText() const { return selection_.text(drawn(), text()); }

void FittedLabel::select(int anchor, int cursor) {
    if (selection_.select(anchor, cursor)) update();
}

void FittedLabel::selectAll() { select(0, CaptionSelection::end(drawn())); }

void FittedLabel::copy() const { copyText(selectedText()); }

void FittedLabel::mousePressEvent(QMouseEvent* event) {
    if (!selectable_ || event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    // A third click where the double click was, as quickly, selects the whole caption.
    const quint64 interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    const bool tripleClick = doubleClickedAt_ && event->timestamp() - *doubleClickedAt_ < interval &&
                             (event->position() - doubleClickedWhere_).manhattanLength() < QApplication::startDragDistance();
    doubleClickedAt_.reset();
    if (tripleClick) return selectAll();
    const int at = CaptionSelection::positionAt(drawn(), event->position());
    select(at, at);
}

void FittedLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!selectable_ || !(event->buttons() & Qt::LeftButton)) return QLabel::mouseMoveEvent(event);
    select(selection_.anchor(), CaptionSelection::positionAt(drawn(), event->position()));
}

void FittedLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (!selectable_ || event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
    // As elsewhere on X11, what is selected can be pasted with the middle button.
    copyText(selectedText(), QClipboard::Selection);
}

void FittedLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!selectable_ || event->button() != Qt::LeftButton) return QLabel::mouseDoubleClickEvent(event);
    doubleClickedAt_ = event->timestamp();
    doubleClickedWhere_ = event->position();
    // The figure alone, as a word is selected in a text; a caption that shows none, whole.
    const QString shown = drawn().lines->text();
    const QStringView figure = figureIn(shown);
    if (figure.isEmpty()) return selectAll();
    const int start = static_cast<int>(figure.data() - shown.data());
    select(start, start + static_cast<int>(figure.size()));
}

void FittedLabel::keyPressEvent(QKeyEvent* event) {
    if (selectable_ && event->matches(QKeySequence::Copy)) return copy();
    if (selectable_ && event->matches(QKeySequence::SelectAll)) return selectAll();
    QLabel::keyPressEvent(event);
}

void FittedLabel::contextMenuEvent(QContextMenuEvent* event) {
    if (!selectable_) return QLabel::contextMenuEvent(event);
    const auto copySelection = [this] { copy(); };
    const auto selectWhole = [this] { selectAll(); };
    openCopyMenu(this, event->globalPos(), !selectedText().isEmpty(), copySelection, selectWhole);
}

void FittedLabel::focusOutEvent(QFocusEvent* event) {
    // A selection is let go when the user moves on, not when its own menu opens.
    if (event->reason() != Qt::PopupFocusReason) select(0, 0);
    QLabel::focusOutEvent(event);
}

bool FittedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        // A caption drawn smaller, broken or replaced by the mark is shown whole on hover.
        if (!shownAsDesigned())
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

}  // namespace runtime
