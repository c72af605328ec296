#include "loan_window.h"
#include "picture_formats.h"
#include "window_fixture.h"

#include <QSignalSpy>

class LoanWindowTest : public runtime::testing::WindowFixture {
    Q_OBJECT

    const QStringList fields{"Text1", "Text2", "Text3", "Text4"};
    const QStringList results{"Label6", "Label9", "Label13"};

    // The first and last columns of a box, from its edges, where darker ink lies.
    std::pair<int, int> inkMargins(const QImage& shot, const QString& name) const {
        const QRect box = clientRect(name);
        const int paper = shot.pixelColor(box.bottomRight()).lightness();
        int first = -1, last = -1;
        for (int x = box.left(); x <= box.right(); ++x) {
            for (int y = box.top(); y <= box.bottom(); ++y) {
                if (shot.pixelColor(x, y).lightness() < paper - 80) {
                    last = x;
                    if (first < 0) first = x;
                }
            }
        }
        return {first - box.left(), box.right() - last};
    }

private slots:
    void init() { open(&loan::createWindow); }
    void cleanup() { close(); }

    void fresh_window_keeps_designed_client_area_without_a_frame() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Maribosk"));
        QCOMPARE(window->size(), QSize(463, 312));
        QCOMPARE(focused(), QStringLiteral("Text1"));
        QCOMPARE(texts(fields + results), QStringList(7, QString()));
    }

    void earlier_rows_lie_above_later_ones() {
        QCOMPARE(window->childAt(324, 220), control("Command2"));  // clear over confirm, where they overlap
        QCOMPARE(window->childAt(366, 90), control("Label9"));     // the payment box over its caption
        QCOMPARE(window->childAt(150, 40), control("Text1"));      // the amount field over its panel
        QCOMPARE(window->childAt(300, 220), control("Command1"));  // the buttons over their frame
    }

    void colours_and_alignment_show_as_designed() {
        fill(fields, {"20", "60", "12", "0.465"});
        click("Command1");
        const QImage shot = window->grab().toImage();
        const QColor cyan(0xC0, 0xFF, 0xFF), white(Qt::white), pink(0xFF, 0xC0, 0xFF);
        QCOMPARE(shot.pixelColor(364, 95), cyan);  // Label9's left edge, beside Label8
        QCOMPARE(shot.pixelColor(426, 152), cyan);  // Label13's corner
        QCOMPARE(shot.pixelColor(340, 69), cyan);   // Label6's corner
        QCOMPARE(shot.pixelColor(246, 288), white);  // the note's corner
        QCOMPARE(shot.pixelColor(29, 250), pink);    // Frame3 beside the note
        QCOMPARE(shot.pixelColor(455, 300), QColor(0xE0, 0xE0, 0xE0));
        const auto [intervalLeft, intervalRight] = inkMargins(shot, "Label6");
        QVERIFY(std::abs(intervalLeft - intervalRight) <= 6);
        const auto [amountLeft, amountRight] = inkMargins(shot, "Label1");  // centred
        QVERIFY(amountLeft > 4 && std::abs(amountLeft - amountRight) <= 3);
        QVERIFY(inkMargins(shot, "Label2").first <= 1);  // left-aligned
    }

    void note_wraps_within_its_box_and_every_caption_keeps_its_designed_size() {
        const QLabel* note = window->findChild<QLabel*>("Label11");
        QVERIFY(note->text().startsWith(QStringLiteral("  贷款期以月为单位")));
        QVERIFY(QFontMetrics(note->font()).horizontalAdvance(note->text()) > 3 * note->width());
        fill(fields, {"20", "60", "12", "0.465"});
        click("Command1");
        QCOMPARE(captionsNotAsDesigned().join(" | "), QString());
    }

    void results_are_never_shown_cut_data() {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("payment_of_three_whole_digits") << QStringList{"1000", "120", "10", "0.2"}
                                                       << QStringList{" 12", " 113.825691", "1138.2569"};
        QTest::newRow("payment_of_two_whole_digits") << QStringList{"100", "360", "12", "0.5"}
                                                     << QStringList{" 30", " 19.353501", "232.2420"};
        QTest::newRow("interval_of_four_digits") << QStringList{"5", "6000", "6", "0.1"}
                                                 << QStringList{" 1000", " 8.606016", "51.6361"};
        QTest::newRow("interval_of_six_digits") << QStringList{"1", "100000", "1", "0.0001"} << QStringList{};
        QTest::newRow("payment_of_1e44") << QStringList{"1e44", "12", "1", "1"} << QStringList{};
        QTest::newRow("total_of_eleven_digits") << QStringList{"99999999", "360", "360", "1"} << QStringList{};
    }
    void results_are_never_shown_cut() {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, written);
        fill(fields, inputs);
        click("Command1");
        QVERIFY(messages.isEmpty());
        if (!written.isEmpty()) QCOMPARE(texts(results), written);  // the commands' texts are untouched
        for (const QString& result : results) QCOMPARE(notShownWhole(result, qRgb(0xC0, 0xFF, 0xFF)), QString());
    }

    void tab_cycles_both_ways_and_enter_clicks_nothing() {
        verifyTabCycle({"Text2", "Text3", "Text4", "Command1", "Command2", "Command3", "Text1"}, true);
        verifyTabCycle({"Command3", "Command2", "Command1", "Text4", "Text3", "Text2", "Text1"}, false);
        fill(fields, {"20", "60", "12", "0.465"});
        for (const QString& field : fields) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(control(field), key);
        }
        QCOMPARE(texts(results), QStringList(3, QString()));
        QVERIFY(window->isVisible() && messages.isEmpty());
    }

    void confirms_through_the_widgets() {
        fill(fields, {QStringLiteral("２０"), "60", "12", "0.465"});
        click("Command1");
        QCOMPARE(texts(results), QStringList({" 5", " 1.931692", "23.1803"}));
        QCOMPARE(focused(), QStringLiteral("Text1"));
        QCOMPARE(announced(), QStringLiteral("每隔 5 月偿还一次，每次偿还金额为 1.931692 万元。偿还总额为 23.1803 万元。"));
        QVERIFY(messages.isEmpty());
    }

    void term_is_emptied_before_its_warning_and_divisor_after() {
        fill(fields, {"20", "60.5", "12", "0.465"});
        click("Command1");
        QCOMPARE(focused(), QStringLiteral("Text2"));
        type("Text2", "60");
        type("Text3", "7");
        click("Command1");
        QCOMPARE(focused(), QStringLiteral("Text3"));
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages[0].title, QStringLiteral("注意"));
        QCOMPARE(messages[0].prompt, QStringLiteral("贷款期必须是正整数，以月为单位！"));
        QCOMPARE(messages[0].fields.value("Text2"), QString());
        QCOMPARE(messages[1].prompt, QStringLiteral("偿还次数必须是正整数，并且为贷款期的约数！"));
        QCOMPARE(messages[1].fields.value("Text3"), QStringLiteral("7"));
        QCOMPARE(texts(fields + results), QStringList({"20", "60", "", "0.465", "", "", ""}));
    }

    void clear_puts_typing_into_the_amount() {
        fill(fields, {"20", "60", "12", "0.465"});
        click("Command1");
        type("Text3", "7");
        click("Command1");
        click("Command2");
        QCOMPARE(texts(fields + results), QStringList(7, QString()));
        QCOMPARE(focused(), QStringLiteral("Text1"));
        QTest::keyClicks(QApplication::focusWidget(), "35");
        QCOMPARE(text("Text1"), QStringLiteral("35"));
    }

    void exit_ends_the_event_loop() {
        QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
        bool timedOut = false;
        QTimer::singleShot(0, this, [this] { click("Command3"); });
        QTimer::singleShot(5000, qApp, [&timedOut] { timedOut = true; QApplication::quit(); });
        QApplication::exec();
        QVERIFY(!timedOut && !window->isVisible());
        QCOMPARE(lastWindowClosed.count(), 1);
    }

    void enlarging_leaves_controls_in_place() {
        window->resize(700, 500);
        QCOMPARE(clientRect("Command3"), QRect(380, 216, 55, 23));
        QCOMPARE(window->grab().toImage().pixelColor(650, 450), QColor(0xE0, 0xE0, 0xE0));
    }

    void screen_readers_hear_each_field_result_and_button_by_its_caption() {
        QStringList heard;
        for (const QString& name : fields + results + QStringList{"Command1", "Command2", "Command3"}) heard << accessibleName(name);
        QCOMPARE(heard, QStringList({"贷款金额(万元)", "贷款期(单位：月)", "偿还次数", "月利率(%)", "每隔几个月偿还一次",
                                     "每次偿还金额", "偿还总额", "确认", "清除", "退出"}));
    }

    void icon_has_its_three_images() {
        QCOMPARE(runtime::testing::iconImages(":/loan/loancalc.ico"), (QList<QList<int>>{{32, 32, 1}, {32, 32, 4}, {16, 16, 4}}));
    }
};

QTEST_MAIN(LoanWindowTest)
#include "window_test.moc"
