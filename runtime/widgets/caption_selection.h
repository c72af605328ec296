// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fitting.h"

#include <QClipboard>
#include <QPalette>
#include <QPointF>
#include <functional>

class QWidget;

namespace runtime {

/// What the user has selected of a drawn caption, from where the mouse was pressed (the
/// anchor) to where it is now (the cursor), as positions in the drawn lines' text.
class CaptionSelection {
public:
    /// Moves both ends; false where they were there already.
    bool select(int anchor, int cursor);
    int anchor() const { return anchor_; }
    bool isEmpty() const { return anchor_ == cursor_; }

    /// The selected characters, without blanks at either end; the whole caption where any of
    /// the mark is selected.
    QString text(const CaptionLayout& drawn, const QString& caption) const;
    /// The drawn characters to show selected, in the palette's highlight colours.
    QTextLayout::FormatRange highlight(const CaptionLayout& drawn, const QPalette& palette) const;

    /// The position nearest `point` on the line it falls on, or on the last line below them all.
    static int positionAt(const CaptionLayout& drawn, QPointF point);
    /// The position after the last drawn character.
    static int end(const CaptionLayout& drawn) { return static_cast<int>(drawn.lines->text().size()); }

private:
    int anchor_ = 0;
    int cursor_ = 0;
};

/// The figure in a result's caption: its sign, digits and point, without the blank kept for the
/// sign or the unit after it; empty where the caption shows none.
QStringView figureIn(QStringView caption);

/// Puts `text`, if it is not empty, on the clipboard or on X11's selection (pasted with the
/// middle button) where the platform has one.
void copyText(const QString& text, QClipboard::Mode mode = QClipboard::Clipboard);

/// Opens the copy menu of a selectable text at `globalPosition`, in the same words as a text
/// box's menu, from Qt's own translations: Copy (disabled where `canCopy` is false), the owner's
/// own actions, and Select All.
void openCopyMenu(QWidget* owner, QPoint globalPosition, bool canCopy, const std::function<void()>& copy, const std::function<void()>& selectAll);

}  // namespace runtime
