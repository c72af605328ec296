#include "picture_formats.h"
#include "savings_window.h"
#include "window_fixture.h"

class SavingsWindowTest : public runtime::testing::WindowFixture {
    Q_OBJECT

    const QStringList fields{"Text1", "Text2", "Text3"};

private slots:
    void init() { open(&savings::createWindow); }
    void cleanup() { close(); }

    void fixed_window_with_the_frame_above_the_corner_pictures_strip() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Quendrel"));
        QCOMPARE(window->size(), QSize(304, 301));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->childAt(20, 57), control("Frame1"));
        QCOMPARE(window->childAt(20, 55), control("Image1"));
        QCOMPARE(window->childAt(130, 90), control("Text1"));  // the field over its caption's box
    }

    void focus_starts_in_deposit_tab_cycles_both_ways_and_enter_clicks_nothing() {
        QCOMPARE(focused(), QStringLiteral("Text1"));
        verifyTabCycle({"Text2", "Text3", "Command1", "Command2", "Text1"}, true);
        verifyTabCycle({"Command2", "Command1", "Text3", "Text2", "Text1"}, false);
        fill(fields, {"1000", "2.25", "12"});
        for (const QString& field : fields) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(control(field), key);
        }
        QCOMPARE(texts({"Label7"}), QStringList({""}));
    }

    void calculates_then_warns_before_emptying_and_keeps_the_earlier_total() {
        fill(fields, {"1000", "2.25", QStringLiteral("12个月")});
        click("Command1");
        QCOMPARE(texts({"Label7"}), QStringList({QStringLiteral("12146.25元")}));
        QCOMPARE(focused(), QStringLiteral("Command1"));
        QCOMPARE(announced(), QStringLiteral("本利和：12146.25元"));
        type("Text2", "0");
        click("Command1");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].prompt, QStringLiteral("利率应为正数！"));
        QCOMPARE(messages[0].fields.value("Text2"), QStringLiteral("0"));
        QCOMPARE(texts({"Text1", "Text2", "Text3", "Label7"}), QStringList({"1000", "", QStringLiteral("12个月"), QStringLiteral("12146.25元")}));
    }

    void clear_empties_everything_and_keeps_the_focus_on_its_button() {
        fill(fields, {"1000", "2.25", "12"});
        click("Command1");
        click("Command2");
        QCOMPARE(texts(fields + QStringList{"Label7", "Label8"}), QStringList(5, QString()));
        QCOMPARE(announced(), QString());  // not left to be read again
        QCOMPARE(focused(), QStringLiteral("Command2"));
        QTest::keyClicks(QApplication::focusWidget(), "5");  // reaches no field
        QCOMPARE(texts(fields), QStringList(3, QString()));
    }

    void shows_every_text_legible_as_designed_and_every_total_whole() {
        for (const char* deposit : {"1000", "1e10", "1e15", "1e300"}) {
            fill(fields, {deposit, "2.25", "12"});
            click("Command1");
            QCOMPARE(shownWrongly(savings::design()).join(" | "), QString());
        }
    }

    void pictures_have_their_designed_formats() {
        using runtime::testing::gifLayout;
        // width, height, frames, palette entries, transparent colour
        QCOMPARE(gifLayout(":/savings/background.gif"), QList<int>({600, 500, 1, 256, 0}));
        QCOMPARE(gifLayout(":/savings/corner.gif"), QList<int>({58, 58, 1, 32, 1}));
        QCOMPARE(runtime::testing::iconImages(":/savings/savecalc.ico"),
                 (QList<QList<int>>{{16, 16, 8}, {16, 16, 32}, {32, 32, 8}, {32, 32, 32}}));
    }
};

QTEST_MAIN(SavingsWindowTest)
#include "window_test.moc"
