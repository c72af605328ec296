// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>
#include <memory>

namespace runtime {

/// A label that never shows its caption cut: it draws it in its own font, breaking lines
/// as a label does; where that does not fit the box, at a smaller size down to a legible
/// floor, on one line before several (leaving out the blanks at either end, which draw
/// nothing); and where even that fails, it shows a row of "#",
/// the spreadsheet's sign for a figure too wide for its cell, with the whole caption in its
/// tooltip. No ink is cut away, and none falls on the box's bottom row or a side column
/// other than the one its lines are aligned to. The caption itself,
/// as text() reads it and screen readers hear it, is never changed: a screen reader reads
/// it through the text interface, under the name the design gives the label.
class FittedLabel : public QLabel {
    Q_OBJECT

public:
    /// The smallest pixel size a caption is drawn at.
    static constexpr int kFloorPixelSize = 9;

    explicit FittedLabel(QWidget* parent = nullptr);
    ~FittedLabel() override;

    /// Replaces the caption and tells screen readers what changed.
    void setCaption(const QString& caption);

    /// Lets the caption be selected with the mouse and copied with Ctrl+C or the context
    /// menu. The label takes the focus when clicked, never from Tab.
    void setSelectable(bool selectable);
    /// The selected characters, without blanks at either end; the whole caption where any of
    /// the mark is selected.
    QString selectedText() const;

    /// The lines as drawn: the caption's characters, broken where they must be, or the mark.
    QStringList shownLines() const;
    /// The font the lines are drawn in.
    QFont shownFont() const;
    /// True when the caption is drawn as the design lays it out: its own size, its own breaks
    /// (blanks at either end aside).
    bool shownAsDesigned() const;
    /// True when the caption cannot be drawn whole and the box shows the mark instead.
    bool shownTooLong() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    struct Fit;
    const Fit& fit() const;
    int positionAt(QPointF point) const;
    void select(int anchor, int cursor);
    void selectAll();
    void copy() const;

    mutable std::unique_ptr<Fit> fit_;
    bool selectable_ = false;
    // The selection, as positions in the drawn lines' text.
    int anchor_ = 0;
    int cursor_ = 0;
};

}  // namespace runtime
