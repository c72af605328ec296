// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"
#include "widget_form.h"

#include <QColor>
#include <QImage>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace runtime {

/// A window built from a design: it paints the designed colour and picture behind its
/// controls, runs click procedures, and offers itself to them through the by-name form.
class FormWindow : public QWidget {
public:
    using Procedure = std::function<void(Form&)>;

    /// The controls' names and positions are those of `design`; the window is not yet shown.
    explicit FormWindow(const design::Window& design);

    /// What commands see: the controls by name.
    Form& form() { return form_; }
    /// Runs `procedure` whenever the named button is clicked.
    void onClick(QStringView button, Procedure procedure);
    /// Sets the outer size, frame included, in twips. Where the frame is not known until the
    /// window system has framed the window, the client area is fitted once it is.
    void setOuterSize(int widthTwips, int heightTwips);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend std::unique_ptr<FormWindow> buildWindow(const design::Window& design);

    // A control with the look its design gives it, to paint again when the theme changes.
    struct Styled {
        QPointer<QWidget> widget;
        QPointer<QWidget> container;
        design::Kind kind;
        design::Look look;
    };
    void applyLook(const Styled& styled);
    void applyLooks();
    void fitOuterSize();

    QColor background_;
    std::vector<Styled> styled_;

    QImage picture_;
    WidgetForm form_;
    QSize pendingOuterSize_;
};

/// Builds the window and every control of a design.
std::unique_ptr<FormWindow> buildWindow(const design::Window& design);

}  // namespace runtime
