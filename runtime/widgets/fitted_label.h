// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "caption_selection.h"
#include "fitting.h"

#include <QLabel>
#include <QStringList>
#include <memory>
#include <optional>

namespace runtime {

/// A label that never shows its caption cut: it draws the caption as fitCaption lays it out
/// in the label's box and font, with the whole caption in its tooltip wherever it is drawn
/// smaller, broken or as the mark. The caption itself, as text() reads it and screen readers hear
/// it, is never changed.
class FittedLabel : public QLabel {
    Q_OBJECT

public:
    explicit FittedLabel(QWidget* parent = nullptr);
    ~FittedLabel() override;

    /// Replaces the caption and tells screen readers what changed.
    void setCaption(const QString& caption);

    /// Lets the caption be selected with the mouse and copied with Ctrl+C or the context
    /// menu, which offers the label's own actions too. A double click selects the figure alone,
    /// a triple click the whole caption. The label takes the focus when clicked, never from Tab.
    void setSelectable(bool selectable);
    /// The selected characters, without blanks at either end; the whole caption where any of
    /// the mark is selected.
    QString selectedText() const;

    /// The lines as drawn: the caption's characters, broken where they must be, or the mark.
    QStringList shownLines() const;
    /// The font the lines are drawn in.
    QFont shownFont() const;
    /// True when the caption is drawn at the font's own size with its own breaks (blanks at
    /// either end aside).
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
    const CaptionLayout& drawn() const;
    void select(int anchor, int cursor);
    void selectAll();
    void copy() const;

    mutable std::unique_ptr<Fit> fit_;
    bool selectable_ = false;
    CaptionSelection selection_;
    std::optional<quint64> doubleClickedAt_;
    QPointF doubleClickedWhere_;
};

}  // namespace runtime
