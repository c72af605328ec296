// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"
#include "widget_form.h"

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

namespace runtime {

class Looks;
class OuterSize;

/// A window built from a design: it shows the designed colour (through its palette, see
/// looks.h) and paints the picture behind its controls, runs click procedures, and offers
/// itself to them through the by-name form. The desktop's quit and close keys (Ctrl+Q, Ctrl+W)
/// close it as its close box does.
// A class of its own, not a plain QWidget, whose screen readers' interface stays Qt's
// (qt_widget_accessible.cpp).
class FormWindow : public QWidget {
    Q_OBJECT

public:
    using Procedure = std::function<void(Form&)>;

    /// The controls' names and positions are those of `design`; the window is not yet shown.
    explicit FormWindow(const design::Window& design);

    /// What commands see: the controls by name.
    Form& form() { return form_; }
    /// Runs `procedure` whenever the named button is clicked.
    void onClick(QStringView button, Procedure procedure);
    /// Sets the outer size, frame included, in twips (see outer_size.h).
    void setOuterSize(int widthTwips, int heightTwips);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend std::unique_ptr<FormWindow> buildWindow(const design::Window& design);

    Looks* looks_;
    QPointer<OuterSize> outerSize_;
    QImage picture_;
    WidgetForm form_;
};

/// Builds the window and every control of a design: each control of its row's kind, in its
/// container at its place, in its font and with its look (looks.h), earlier rows above later
/// ones; results named for screen readers and made selectable, and copied all at once with
/// Ctrl+Shift+C or from any result's menu, each as its name, a tab and its figure; buttons
/// that Space clicks but Enter and Esc never do, as none is the window's default or cancel
/// button; the tab order (tab_order.h).
std::unique_ptr<FormWindow> buildWindow(const design::Window& design);

}  // namespace runtime
