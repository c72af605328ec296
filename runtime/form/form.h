// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace runtime {

/// What a command may do with its window: controls are named as in the window's design.
/// Commands are written against this, so they run alike on real widgets and on a stand-in.
class Form {
public:
    virtual ~Form() = default;

    /// The current text of a text box.
    virtual QString text(QStringView textBox) const = 0;
    /// Replaces the text of a text box; "" empties it.
    virtual void setText(QStringView textBox, const QString& text) = 0;
    /// Replaces the caption of a label; "" blanks it.
    virtual void setCaption(QStringView label, const QString& caption) = 0;
    /// Gives the keyboard focus to a control.
    virtual void setFocus(QStringView control) = 0;
    /// Shows a modal warning with one OK button and returns once it is dismissed.
    virtual void warn(const QString& title, const QString& prompt) = 0;
    /// Has screen readers say `text` at once, wherever the focus is, without moving it. It is
    /// taken back when a caption changes again.
    virtual void announce(const QString& text) = 0;
    /// Closes the window; with no window left the program ends.
    virtual void close() = 0;
};

}  // namespace runtime
