// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "loan_window.h"
#include "window_fixture.h"

class LoanWindowTest : public runtime::testing::WindowFixture {
    Q_OBJECT

    const QStringList fields{"Text1", "Text2", "Text3", "Text4"};
    const QStringList results{"Label6", "Label9", "Label13"};

private slots:
    void init() { open(&loan::createWindow); }
    void cleanup() { close(); }

    void opens_at_its_designed_outer_size_with_earlier_rows_above_later_ones_and_enlarges() {
        // Where no window system draws a frame, the designed client area is kept instead.
        if (QGuiApplication::platformName() == "offscreen")
            QCOMPARE(window->size(), QSize(463, 312));
        else
            QTRY_COMPARE_WITH_TIMEOUT(window->frameGeometry().size(), QSize(471, 335), kWindowSystemWaitMs);
        QCOMPARE(window->childAt(324, 220), control("Command2"));  // clear over confirm, where they overlap
        // Enlarged, it leaves its controls in place and fills the new room with its colour.
        window->resize(700, 500);
        QTRY_COMPARE_WITH_TIMEOUT(window->size(), QSize(700, 500), kWindowSystemWaitMs);
        QCOMPARE(QRect(control("Command3")->mapTo(window.get(), QPoint()), control("Command3")->size()), QRect(380, 216, 55, 23));
        QCOMPARE(window->grab().toImage().pixelColor(650, 450), QColor(0xE0, 0xE0, 0xE0));
    }

    // clang-format off
    void results_are_shown_legible_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::newRow("payment_of_three_whole_digits") << QStringList{"1000", "120", "10", "0.2"};
        QTest::newRow("interval_of_six_digits") << QStringList{"1", "100000", "1", "0.0001"};
        QTest::newRow("payment_of_1e44") << QStringList{"1e44", "12", "1", "1"};
    }
    // clang-format on
    void results_are_shown_legible() {
        QFETCH(QStringList, inputs);
        fill(fields, inputs);
        click("Command1");
        QVERIFY(messages.isEmpty());
        QCOMPARE(shownWrongly(loan::design()).join(" | "), QString());
    }

    void confirms_figures_typed_as_people_write_them_says_them_and_returns_to_the_amount() {
        fill(fields, {QStringLiteral("２０万元"), QStringLiteral("5年"), "12", QStringLiteral("4.65‰")});
        click("Command1");
        QCOMPARE(
            texts(results) << focused() << announced(),
            QStringList({" 5", " 1.931692", "23.1803", "Text1", QStringLiteral("每隔 5 月偿还一次，每次偿还金额为 1.931692 万元。偿还总额为 23.1803 万元。")}));
    }

    // The focus goes to the emptied field once the message box has given it back.
    void empties_a_non_divisor_after_its_message_and_returns_to_it() {
        fill(fields, {"20", "60", "7", "0.465"});
        click("Command1");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(texts(fields + results) << focused(), QStringList({"20", "60", "", "0.465", "", "", "", "Text3"}));
    }

    void exit_ends_the_event_loop() {
        QTimer::singleShot(0, this, [this] { click("Command3"); });
        QTimer::singleShot(kWindowSystemWaitMs, qApp, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(LoanWindowTest)
#include "window_test.moc"
