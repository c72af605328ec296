#include "picture_formats.h"
#include "savings_window.h"
#include "window_fixture.h"


class SavingsWindowTest : public runtime::testing::WindowFixture {
    Q_OBJECT

    const QStringList fields{"Text1", "Text2", "Text3"};

private slots:
    void init() { open(&savings::createWindow); }
    void cleanup() { close(); }

    void client_area_is_fixed_at_304_by_301() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Quendrel"));
        QCOMPARE(window->size(), QSize(304, 301));
        QCOMPARE(window->minimumSize(), window->maximumSize());
    }

    void frame_lies_above_the_corner_pictures_bottom_strip() {
        QCOMPARE(window->childAt(20, 57), control("Frame1"));
        QCOMPARE(window->childAt(20, 55), control("Image1"));
        QCOMPARE(window->childAt(130, 90), control("Text1"));  // the field over its caption's box
    }

    void focus_starts_in_deposit_and_tab_cycles_both_ways() {
        QCOMPARE(focused(), QStringLiteral("Text1"));
        verifyTabCycle({"Text2", "Text3", "Command1", "Command2", "Text1"}, true);
        verifyTabCycle({"Command2", "Command1", "Text3", "Text2", "Text1"}, false);
    }

    void enter_and_escape_click_nothing() {
        fill(fields, {"1000", "2.25", "12"});
        for (const QString& field : fields) {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(control(field), key);
        }
        QCOMPARE(caption("Label7"), QString());
        QVERIFY(messages.isEmpty());
    }

    void calculates_through_the_widgets() {
        fill(fields, {"1000", "2.25", QStringLiteral("12个月")});
        click("Command1");
        QCOMPARE(caption("Label7"), QStringLiteral("12146.25元"));
        QCOMPARE(focused(), QStringLiteral("Command1"));
        QCOMPARE(announced(), QStringLiteral("本利和：12146.25元"));
        QVERIFY(messages.isEmpty());
        click("Command2");
        QCOMPARE(announced(), QString());  // not left to be read again
    }

    void rejects_zero_rate_after_warning_and_keeps_earlier_result() {
        fill(fields, {"1000", "2.25", "12"});
        click("Command1");
        type("Text2", "0");
        click("Command1");
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].title, QStringLiteral("数据输入错误"));
        QCOMPARE(messages[0].prompt, QStringLiteral("利率应为正数！"));
        QCOMPARE(messages[0].fields.value("Text2"), QStringLiteral("0"));  // warned before emptying
        QCOMPARE(texts({"Text1", "Text2", "Text3", "Label7"}), QStringList({"1000", "", "12", QStringLiteral("12146.25元")}));
    }

    void clear_keeps_focus_on_clear_button() {
        fill(fields, {"1000", "2.25", "-3"});
        click("Command1");
        QCOMPARE(text("Text3"), QString());
        type("Text3", "12");
        click("Command1");
        click("Command2");
        QCOMPARE(texts({"Text1", "Text2", "Text3", "Label7", "Label8"}), QStringList({"", "", "", "", ""}));
        QCOMPARE(focused(), QStringLiteral("Command2"));
        QTest::keyClicks(QApplication::focusWidget(), "5");  // reaches no field
        QCOMPARE(texts(fields), QStringList({"", "", ""}));
    }

    void only_the_percent_label_fills_its_box() {
        const QImage shot = window->grab().toImage();
        const QColor buttonFace = control("Label11")->palette().color(QPalette::Button);
        const QColor panelGrey(0xE0, 0xE0, 0xE0);
        QVERIFY(buttonFace != panelGrey);
        QCOMPARE(shot.pixelColor(279, 151), buttonFace);  // corners of the "%" box
        QCOMPARE(shot.pixelColor(249, 151), buttonFace);
        QCOMPARE(shot.pixelColor(282, 111), panelGrey);  // transparent "元", Label1 and Label7
        QCOMPARE(shot.pixelColor(135, 111), panelGrey);
        QCOMPARE(shot.pixelColor(247, 238), panelGrey);
    }

    void every_caption_keeps_its_designed_size_and_totals_are_never_cut() {
        QCOMPARE(captionsNotAsDesigned().join(" | "), QString());
        for (const char* deposit : {"1e10", "1e15", "1e300"}) {
            fill(fields, {deposit, "2.25", "12"});
            click("Command1");
            QCOMPARE(notShownWhole("Label7", qRgb(0xE0, 0xE0, 0xE0)), QString());
        }
    }

    void screen_readers_hear_each_field_result_and_button_by_its_caption() {
        const QStringList names{"Text1", "Text2", "Text3", "Label7", "Command1", "Command2"};
        QStringList heard;
        for (const QString& name : names) heard << accessibleName(name);
        QCOMPARE(heard, QStringList({"每月存款额", "银行年利率", "存入期数", "本利和", "计算", "清空"}));
    }

    void pictures_have_their_designed_formats() {
        using runtime::testing::gifLayout;
        // width, height, frames, palette entries, transparent colour
        QCOMPARE(gifLayout(":/savings/background.gif"), QList<int>({600, 500, 1, 256, 0}));
        QCOMPARE(gifLayout(":/savings/corner.gif"), QList<int>({58, 58, 1, 32, 1}));
        QCOMPARE(runtime::testing::iconImages(":/savings/savecalc.ico"),
                 (QList<QList<int>>{{16, 16, 8}, {16, 16, 32}, {32, 32, 8}, {32, 32, 32}}));
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(32, 32)));
    }
};

QTEST_MAIN(SavingsWindowTest)
#include "window_test.moc"
