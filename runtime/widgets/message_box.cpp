// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_box.h"

#include <QDialogButtonBox>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>

namespace runtime {

void showWarning(QWidget* owner, const QString& title, const QString& prompt) {
    QMessageBox box(QMessageBox::Warning, title, prompt, QMessageBox::NoButton, owner);
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    // Qt widens a box for its title by a fixed margin, while the title bar also holds the
    // window's icon and buttons; room for ten line heights more grows with the font.
    if (auto* buttons = box.findChild<QDialogButtonBox*>()) {
        const QMargins margins = box.layout()->contentsMargins();
        buttons->setMinimumWidth(box.fontMetrics().horizontalAdvance(title) + 10 * box.fontMetrics().height() - margins.left() - margins.right());
    }
    box.exec();
}

}  // namespace runtime
