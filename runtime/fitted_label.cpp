// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitted_label.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QFontInfo>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QTextLayout>
#include <QToolTip>
#include <cmath>

namespace runtime {

struct FittedLabel::Fit {
    // What the fit was made for.
    QString text;
    QSize size;
    QFont font;
    Qt::Alignment alignment;
    qreal pixelRatio = 1;
    // What is drawn.
    std::unique_ptr<QTextLayout> layout;
    bool asDesigned = true;
    bool tooLong = false;

    bool madeFor(const FittedLabel& label) const {
        return text == label.text() && size == label.size() && font == label.font() &&
               alignment == label.alignment() && pixelRatio == label.devicePixelRatioF();
    }
};

namespace {

std::unique_ptr<QTextLayout> layOut(const QString& text, const QFont& font, const QSize& box, Qt::Alignment alignment,
                                    QTextOption::WrapMode wrap) {
    auto layout = std::make_unique<QTextLayout>(text, font);
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(wrap);
    layout->setTextOption(option);
    qreal y = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        // The font's own leading between lines; a single line needs none, and the font's
        // metrics are then never loaded apart from its glyphs.
        if (line.lineNumber() > 0) y += QFontMetricsF(font).leading();
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
// ink is cut away or touches the edges. Where each line keeps a pixel clear of the bottom
// and of the sides it is not aligned to, no glyph can reach them and nothing needs to be
// drawn to know; most captions are settled so, without drawing.
bool fits(const QTextLayout& layout, const QSize& box, Qt::Alignment alignment, qreal pixelRatio) {
    const qreal leftClear = alignment & Qt::AlignLeft ? 0 : 1;
    const qreal rightClear = alignment & Qt::AlignRight ? 0 : 1;
    bool clearOfEdges = true;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const QRectF drawn = line.naturalTextRect();
        if (drawn.left() < -0.01 || drawn.right() > box.width() + 0.01 || drawn.bottom() > box.height() + 0.01) return false;
        if (layout.lineCount() > 1 && layout.text().mid(line.textStart(), line.textLength()).trimmed().isEmpty()) return false;
        if (drawn.left() < leftClear || drawn.right() > box.width() - rightClear || drawn.bottom() > box.height() - 1) {
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

namespace {

// What screen readers see of a label: its name is the caption beside it where the design
// gives one (a result is named by what it is), else its own caption; its text, whatever the
// box shows, is the caption itself, readable through the text interface.
class FittedLabelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit FittedLabelAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return widget()->accessibleName().isEmpty() ? caption() : widget()->accessibleName();
        if (kind == QAccessible::Value) return caption();
        return QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return caption().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(caption().size()); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = 0;
        *end = std::max(offset, characterCount());
        return QString();
    }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

private:
    QString caption() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String(FittedLabel::staticMetaObject.className()) && object->isWidgetType()) {
        return new FittedLabelAccessible(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

FittedLabel::FittedLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = (QAccessible::installFactory(&accessibleFor), true);
    Q_UNUSED(installed);
}

void FittedLabel::setCaption(const QString& caption) {
    const QString before = text();
    select(0, 0);
    setText(caption);
    if (before == caption) return;
    QAccessibleTextUpdateEvent changed(this, 0, before, caption);
    QAccessible::updateAccessibility(&changed);
}

FittedLabel::~FittedLabel() = default;

const FittedLabel::Fit& FittedLabel::fit() const {
    if (fit_ && fit_->madeFor(*this)) return *fit_;
    auto made = std::make_unique<Fit>();
    made->text = text();
    made->size = size();
    made->font = font();
    made->alignment = alignment();
    made->pixelRatio = devicePixelRatioF();

    // A designed font has its size in pixels; asking the font database is left to the rest.
    const int designed = font().pixelSize() > 0 ? font().pixelSize() : QFontInfo(font()).pixelSize();
    QString shown = made->text;
    const auto attempt = [&](int pixels, QTextOption::WrapMode wrap) {
        auto layout = layOut(shown, atPixelSize(font(), pixels), size(), alignment(), wrap);
        if (!fits(*layout, size(), alignment(), made->pixelRatio)) return false;
        made->layout = std::move(layout);
        return true;
    };
    // The design's own size and breaks first. Then the blanks at either end, which draw
    // nothing (a figure's leading blank only keeps the place of its sign), are left out,
    // and the caption is tried at its own size and smaller ones on one line, so a figure
    // stays whole on its line; then broken between words; then anywhere.
    bool placed = shown.trimmed().isEmpty() || attempt(designed, QTextOption::WordWrap);
    shown = shown.trimmed();
    if (!placed) placed = attempt(designed, QTextOption::NoWrap);
    made->asDesigned = placed;
    for (int pixels = designed - 1; !placed && pixels >= kFloorPixelSize; --pixels) placed = attempt(pixels, QTextOption::NoWrap);
    for (int pixels = designed - 1; !placed && pixels >= kFloorPixelSize; --pixels) placed = attempt(pixels, QTextOption::WordWrap);
    for (int pixels = designed; !placed && pixels >= kFloorPixelSize; --pixels) placed = attempt(pixels, QTextOption::WrapAnywhere);
    if (!placed) {
        // As many marks as the box holds, at the caption's own size where one fits at all.
        made->tooLong = true;
        for (const int pixels : {designed, kFloorPixelSize}) {
            const QFont markFont = atPixelSize(font(), pixels);
            const int room = static_cast<int>((width() - 2) / QFontMetricsF(markFont).horizontalAdvance(QLatin1Char('#')));
            for (int count = std::max(room, 1); !placed && count >= 1; --count) {
                const QString mark(count, QLatin1Char('#'));
                auto layout = layOut(mark, markFont, size(), alignment(), QTextOption::NoWrap);
                placed = fits(*layout, size(), alignment(), made->pixelRatio);
                if (placed) made->layout = std::move(layout);
            }
            if (placed) break;
        }
    }
    if (!made->layout) made->layout = layOut(made->text, font(), size(), alignment(), QTextOption::WordWrap);
    fit_ = std::move(made);
    return *fit_;
}

QStringList FittedLabel::shownLines() const {
    const QTextLayout& layout = *fit().layout;
    QStringList lines;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        lines << layout.text().mid(line.textStart(), line.textLength());
    }
    return lines;
}

QFont FittedLabel::shownFont() const { return fit().layout->font(); }

bool FittedLabel::shownAsDesigned() const { return fit().asDesigned; }

bool FittedLabel::shownTooLong() const { return fit().tooLong; }

void FittedLabel::paintEvent(QPaintEvent*) {
    if (text().trimmed().isEmpty()) return;  // blanks draw nothing: an empty result is not laid out
    const QTextLayout& layout = *fit().layout;
    QList<QTextLayout::FormatRange> selected;
    if (!selectedText().isEmpty()) {
        const int length = static_cast<int>(layout.text().size());
        QTextLayout::FormatRange range;
        range.start = fit().tooLong ? 0 : std::min(anchor_, cursor_);
        range.length = fit().tooLong ? length : std::min(std::abs(cursor_ - anchor_), length - range.start);
        range.format.setBackground(palette().brush(QPalette::Highlight));
        range.format.setForeground(palette().brush(QPalette::HighlightedText));
        selected << range;
    }
    QPainter painter(this);
    painter.setClipRect(rect());
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(0, 0), selected);
}

void FittedLabel::setSelectable(bool selectable) {
    selectable_ = selectable;
    setFocusPolicy(selectable ? Qt::ClickFocus : Qt::NoFocus);
    if (selectable) setCursor(Qt::IBeamCursor);
    else unsetCursor();
    select(0, 0);
}

QString FittedLabel::selectedText() const {
    if (anchor_ == cursor_) return QString();
    if (fit().tooLong) return text().trimmed();
    return fit().layout->text().mid(std::min(anchor_, cursor_), std::abs(cursor_ - anchor_)).trimmed();
}

int FittedLabel::positionAt(QPointF point) const {
    const QTextLayout& layout = *fit().layout;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        if (point.y() < line.y() + line.height() || i == layout.lineCount() - 1) return line.xToCursor(point.x());
    }
    return 0;
}

void FittedLabel::select(int anchor, int cursor) {
    if (anchor == anchor_ && cursor == cursor_) return;
    anchor_ = anchor;
    cursor_ = cursor;
    update();
}

void FittedLabel::selectAll() { select(0, static_cast<int>(fit().layout->text().size())); }

void FittedLabel::copy() const {
    if (!selectedText().isEmpty()) QGuiApplication::clipboard()->setText(selectedText());
}

void FittedLabel::mousePressEvent(QMouseEvent* event) {
    if (!selectable_ || event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
    const int at = positionAt(event->position());
    select(at, at);
}

void FittedLabel::mouseMoveEvent(QMouseEvent* event) {
    if (!selectable_ || !(event->buttons() & Qt::LeftButton)) return QLabel::mouseMoveEvent(event);
    select(anchor_, positionAt(event->position()));
}

void FittedLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (!selectable_ || event->button() != Qt::LeftButton) return QLabel::mouseReleaseEvent(event);
    // As elsewhere on X11, what is selected can be pasted with the middle button.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && !selectedText().isEmpty()) clipboard->setText(selectedText(), QClipboard::Selection);
}

void FittedLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!selectable_ || event->button() != Qt::LeftButton) return QLabel::mouseDoubleClickEvent(event);
    selectAll();
}

void FittedLabel::keyPressEvent(QKeyEvent* event) {
    if (selectable_ && event->matches(QKeySequence::Copy)) return copy();
    if (selectable_ && event->matches(QKeySequence::SelectAll)) return selectAll();
    QLabel::keyPressEvent(event);
}

void FittedLabel::contextMenuEvent(QContextMenuEvent* event) {
    if (!selectable_) return QLabel::contextMenuEvent(event);
    // The same words as a text box's menu, from Qt's own translations.
    const auto item = [](const char* text, QKeySequence::StandardKey key) {
        return QCoreApplication::translate("QWidgetTextControl", text) + QLatin1Char('\t') +
               QKeySequence(key).toString(QKeySequence::NativeText);
    };
    QMenu menu(this);
    menu.addAction(item("&Copy", QKeySequence::Copy), this, &FittedLabel::copy)->setEnabled(!selectedText().isEmpty());
    menu.addSeparator();
    menu.addAction(item("Select All", QKeySequence::SelectAll), this,
                   &FittedLabel::selectAll);
    menu.exec(event->globalPos());
}

void FittedLabel::focusOutEvent(QFocusEvent* event) {
    // A selection is let go when the user moves on, not when its own menu opens.
    if (event->reason() != Qt::PopupFocusReason) select(0, 0);
    QLabel::focusOutEvent(event);
}

bool FittedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        // A caption drawn smaller, broken or replaced by the mark is shown whole on hover.
        if (!shownAsDesigned()) QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

}  // namespace runtime
