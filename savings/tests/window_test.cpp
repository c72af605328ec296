// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings_window.h"
#include "window_fixture.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

class SavingsWindowTest : public runtime::testing::WindowFixture {
    Q_OBJECT

    const QStringList fields{"Text1", "Text2", "Text3"};

private slots:
    void init() { open(&savings::createWindow); }
    void cleanup() { close(); }

    void opens_fixed_with_the_frame_above_the_corner_picture() {
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags titleButtons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
        QCOMPARE(window->windowFlags() & titleButtons, Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);  // asked of the window manager
        QCOMPARE(QList<QWidget*>({window->childAt(20, 57), window->childAt(20, 55)}), QList<QWidget*>({control("Frame1"), control("Image1")}));
        // The picture from the window's top-left corner, right of the banner and through the corner
        // picture's clear pixels.
        const QImage shot = window->grab().toImage(), background(":/savings/background.gif");
        for (const QRect& shown : {QRect(282, 0, 22, 56), QRect(0, 0, 4, 4)})
            QCOMPARE(shot.copy(shown).convertToFormat(QImage::Format_RGB32), background.copy(shown).convertToFormat(QImage::Format_RGB32));
        // The pictures compiled in are the files' own, as Qt reads them.
        QCOMPARE(control<QLabel>("Image1")->pixmap().toImage(), QPixmap(":/savings/corner.gif").toImage());
        for (const int size : {16, 32}) QCOMPARE(window->windowIcon().pixmap(size).toImage(), QIcon(":/savings/savecalc.ico").pixmap(size).toImage());
    }

    void calculates_a_total_typed_as_people_write_it_says_it_and_clears_everything() {
        const QString total = QStringLiteral("12146.25元");
        fill(fields, {QStringLiteral("0.1万元"), "2,25", QStringLiteral("\u200E1年")});
        // Enter and Esc click no button, in a field or on a focused button; Space clicks that one.
        QTest::keyClick(control("Text3"), Qt::Key_Return);
        QTest::keyClick(control("Text3"), Qt::Key_Tab);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(control("Command1"), key);
        QCOMPARE(texts({"Label7"}), QStringList({QString()}));
        QTest::keyClick(control("Command1"), Qt::Key_Space);
        QCOMPARE(QStringList({texts({"Label7"})[0], focused(), announced()}), QStringList({total, "Command1", "本利和：" + total}));
        click("Command2");  // every text emptied, the total's announcement not left to be read again
        QCOMPARE(texts(fields + QStringList{"Label7", "Label8"}) << announced() << focused(), QStringList(6, QString()) << "Command2");
    }

    void warns_of_an_empty_deposit_in_a_box_wide_enough_for_its_title() {
        click("Command1");
        const QString title = QStringLiteral("数据输入错误"), prompt = QStringLiteral("本金应为正数！");
        QCOMPARE(messages, QList<QStringList>({{title, prompt, "warning alert", title + " / " + prompt, "确定"}}));
    }

    void shows_every_text_and_total_legible_as_designed() {
        for (const char* deposit : {"1000", "1e10", "1e15", "1e300"}) {
            fill(fields, {deposit, "2.25", "12"});
            click("Command1");
            QCOMPARE(shownWrongly(savings::design()).join(" | "), QString());
        }
    }
};

QTEST_MAIN(SavingsWindowTest)
#include "window_test.moc"
