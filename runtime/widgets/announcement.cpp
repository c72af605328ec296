// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcement.h"

namespace runtime {

Announcement::Announcement(QWidget* window) : QWidget(window) {
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcement::say(const QString& text) {
    // Screen readers speak a notification as it appears, so one already showing is hidden
    // first: the same results said twice are spoken twice.
    hide();
    setAccessibleName(text);
    show();
}

void Announcement::withdraw() {
    // Every caption write withdraws; only one that takes something back tells screen readers.
    if (isHidden()) return;
    hide();
    setAccessibleName(QString());
}

}  // namespace runtime
