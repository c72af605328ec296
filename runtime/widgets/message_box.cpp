// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace runtime {

void showWarning(QWidget* owner, const QString& title, const QString& prompt) {
    QMessageBox box(QMessageBox::Warning, title, prompt, QMessageBox::NoButton, owner);
    QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

}  // namespace runtime
