// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <vector>

class QWidget;

namespace runtime {

/// The colour a design gives as blue, green and red bytes.
QColor colourOf(design::Colour bgr);

/// The colours of a built window and its controls. Designed colours are used as they are; the
/// rest comes from the platform's palette for the control's kind, so it follows the desktop's
/// theme. A text colour the design leaves to the platform is kept only where it is legible on
/// what lies beneath it: a theme's light text on a designed light background gives way to
/// black. Everything is coloured again whenever the desktop's theme changes.
class Looks : public QObject {
public:
    /// Colours `window` with its designed background now and on every change of theme.
    Looks(QWidget* window, QColor background);

    /// Gives `control`, inside `container`, the look its design row gives it, now and on every
    /// change of theme. A text box's `container` is the panel around it, which its edge is set
    /// off from at 3 : 1, whatever the theme.
    void add(QWidget* control, QWidget* container, design::Kind kind, const design::Look& look);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Styled {
        QPointer<QWidget> widget;
        QPointer<QWidget> container;
        design::Kind kind;
        design::Look look;
    };
    void apply(const Styled& styled) const;
    void applyAll() const;

    QWidget* window_;
    QColor background_;
    std::vector<Styled> styled_;
};

}  // namespace runtime
