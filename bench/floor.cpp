// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the calculators' start-up is measured against: the least a Qt Widgets program
// does to show a window with one Chinese caption.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("存款计算器"));
    label.setWindowTitle(QStringLiteral("Floor"));
    label.resize(304, 301);
    label.show();
    return QApplication::exec();
}
