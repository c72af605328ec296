// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace runtime {

/// Gives a window the outer size asked for, frame included. The frame is known only once the
/// window system has framed the window, so the client area is fitted then; platforms without
/// a window system (offscreen, minimal) report frames that nothing draws, and keep the client area.
class OuterSize : public QObject {
public:
    explicit OuterSize(QWidget* window);

    /// Asks for `outer` logical pixels, fitted as soon as the frame is known.
    void set(QSize outer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fit();

    QWidget* window_;
    QSize pending_;
};

}  // namespace runtime
