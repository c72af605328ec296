// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "c_locale.h"
#include "loan_window.h"
#include "picture_formats.h"
#include "window_fixture.h"

class LoanWindowTest : public runtime::testing::WindowFixture {
    Q_OBJECT

    const QStringList fields{"Text1", "Text2", "Text3", "Text4"};
    const QStringList results{"Label6", "Label9", "Label13"};

private slots:
    void init() { open(&loan::createWindow); }
    void cleanup() { close(); }

    void opens_at_its_designed_outer_size_with_earlier_rows_above_later_ones() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Maribosk"));
        // Where no window system draws a frame, the designed client area is kept instead.
        if (QGuiApplication::platformName() == "offscreen") QCOMPARE(window->size(), QSize(463, 312));
        else QTRY_COMPARE_WITH_TIMEOUT(window->frameGeometry().size(), QSize(471, 335), kWindowSystemWaitMs);
        QCOMPARE(window->childAt(324, 220), control("Command2"));  // clear over confirm, where they overlap
        QCOMPARE(window->childAt(366, 90), control("Label9"));     // the payment box over its caption
        QCOMPARE(window->childAt(150, 40), control("Text1"));      // the amount field over its panel
        QCOMPARE(runtime::testing::iconImages(":/loan/loancalc.ico"), (QList<QList<int>>{{32, 32, 1}, {32, 32, 4}, {16, 16, 4}}));
        QCOMPARE(focused(), QStringLiteral("Text1"));
        verifyTabCycle({"Text2", "Text3", "Text4", "Command1", "Command2", "Command3", "Text1"});
    }

    void results_are_shown_whole_and_legible_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::newRow("payment_of_three_whole_digits") << QStringList{"1000", "120", "10", "0.2"};
        QTest::newRow("interval_of_six_digits") << QStringList{"1", "100000", "1", "0.0001"};
        QTest::newRow("payment_of_1e44") << QStringList{"1e44", "12", "1", "1"};
    }
    void results_are_shown_whole_and_legible() {
        QFETCH(QStringList, inputs);
        fill(fields, inputs);
        click("Command1");
        QVERIFY(messages.isEmpty());
        QCOMPARE(shownWrongly(loan::design()).join(" | "), QString());
    }

    void confirms_the_same_figures_under_every_locale_and_returns_to_the_amount_data() {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("shown");
        for (const char* locale : runtime::testing::kLocales) {
            const std::string tag = runtime::testing::localeTag(locale);
            QTest::addRow("every_five_months_written_as_people_write_them_under_%s", tag.c_str())
                << QByteArray(locale) << QStringList{QStringLiteral("２０万元"), QStringLiteral("5年"), "12", QStringLiteral("4.65‰")} << QStringList{" 5", " 1.931692", "23.1803"};
            // One repayment after twelve months at 1 %: 0.1 × 1.01^12 = 0.1126825…
            QTest::addRow("a_tenth_repaid_at_once_under_%s", tag.c_str())
                << QByteArray(locale) << QStringList{"0.1", "12", "1", "1"} << QStringList{" 12", " 0.112683", ".1127"};
        }
    }
    void confirms_the_same_figures_under_every_locale_and_returns_to_the_amount() {
        QFETCH(QByteArray, locale);
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, shown);
        const runtime::testing::ScopedCLocale scoped(locale.constData());
        QVERIFY2(scoped.set(), locale.constData());
        fill(fields, inputs);
        click("Command1");
        QCOMPARE(texts(results), shown);
        QCOMPARE(focused(), QStringLiteral("Text1"));
        QCOMPARE(announced(), QStringLiteral("每隔 %1 月偿还一次，每次偿还金额为 %2 万元。偿还总额为 %3 万元。")
                                  .arg(shown[0].trimmed(), shown[1].trimmed(), shown[2]));
    }

    void warns_of_a_non_divisor_with_an_alert_and_clear_returns_to_the_amount() {
        fill(fields, {"20", "60", "7", "0.465"});
        click("Command1");
        const QString prompt = QStringLiteral("偿还次数必须是正整数，并且为贷款期的约数！");
        QCOMPARE(messages, QList<QStringList>({{"注意", prompt, "warning alert", "注意 / " + prompt, "确定"}}));
        QCOMPARE(texts(fields + results), QStringList({"20", "60", "", "0.465", "", "", ""}));
        QCOMPARE(focused(), QStringLiteral("Text3"));
        click("Command2");
        QCOMPARE(texts(fields), QStringList(4, QString()));
        QCOMPARE(focused(), QStringLiteral("Text1"));
    }

    void exit_ends_the_event_loop() {
        QTimer::singleShot(0, this, [this] { click("Command3"); });
        QTimer::singleShot(kWindowSystemWaitMs, qApp, [] { QApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!window->isVisible());
    }

    void enlarging_leaves_controls_in_place() {
        window->resize(700, 500);
        QTRY_COMPARE_WITH_TIMEOUT(window->size(), QSize(700, 500), kWindowSystemWaitMs);
        QCOMPARE(QRect(control("Command3")->mapTo(window.get(), QPoint()), control("Command3")->size()), QRect(380, 216, 55, 23));
        QCOMPARE(window->grab().toImage().pixelColor(650, 450), QColor(0xE0, 0xE0, 0xE0));
    }
};

QTEST_MAIN(LoanWindowTest)
#include "window_test.moc"
