// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace runtime {

/// What a window says to screen readers without moving the focus: an empty, unpainted
/// child that screen readers see as a notification. Saying a text shows it, so they speak
/// it at once wherever the focus is; withdrawing hides it, so nothing stale is left to be
/// read again.
class Announcement : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget* window);

    /// Has screen readers speak `text` now.
    void say(const QString& text);
    /// Takes the last text back.
    void withdraw();
};

}  // namespace runtime
