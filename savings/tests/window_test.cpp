#include "picture_formats.h"
#include "savings_window.h"
#include "window_testing.h"

#include <QFile>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using runtime::testing::MessageRecorder;

class SavingsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void client_area_is_304_by_301_and_fixed();
    void controls_sit_where_designed_data();
    void controls_sit_where_designed();
    void frame_lies_above_the_corner_pictures_bottom_strip();
    void focus_starts_in_the_deposit_field();
    void tab_cycles_forward_and_back();
    void enter_and_escape_click_nothing();
    void calculates_through_the_widgets_data();
    void calculates_through_the_widgets();
    void rejection_keeps_an_earlier_result();
    void clear_after_calculation_keeps_focus_on_clear_button();
    void clear_after_rejection_empties_the_other_fields();
    void only_the_percent_label_fills_its_box();
    void no_caption_is_cut_off();
    void pictures_have_their_designed_formats();
    void window_icon_offers_both_sizes();

private:
    QWidget* control(const char* name) { return window_->findChild<QWidget*>(QString::fromLatin1(name)); }
    QString caption(const char* name) { return window_->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QString text(const char* name) { return window_->findChild<QLineEdit*>(QString::fromLatin1(name))->text(); }
    QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    void type(const char* field, const QString& text) {
        auto* box = window_->findChild<QLineEdit*>(QString::fromLatin1(field));
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        runtime::testing::typeText(box, text);
    }
    void click(const char* button) { QTest::mouseClick(control(button), Qt::LeftButton); }

    std::unique_ptr<runtime::FormWindow> window_;
    MessageRecorder recorder_;
    std::unique_ptr<runtime::testing::ModalGuard> guard_;
};

void SavingsWindowTest::init() {
    recorder_.messages.clear();
    guard_ = std::make_unique<runtime::testing::ModalGuard>();
    window_ = savings::createWindow();
    window_->setWarning(recorder_.warning());
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void SavingsWindowTest::cleanup() {
    QVERIFY2(!guard_->sawModal(), "a real message box opened");
    window_.reset();
    guard_.reset();
}

void SavingsWindowTest::client_area_is_304_by_301_and_fixed() {
    QCOMPARE(window_->size(), QSize(304, 301));
    QCOMPARE(window_->minimumSize(), QSize(304, 301));
    QCOMPARE(window_->maximumSize(), QSize(304, 301));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quendrel"));
    QVERIFY(!(window_->windowFlags() & Qt::WindowMaximizeButtonHint));
}

void SavingsWindowTest::controls_sit_where_designed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("client");
    // Twips over 15, the children of Frame1 shifted by the frame's (8, 56).
    QTest::newRow("Frame1") << "Frame1" << QRect(8, 56, 281, 233);
    QTest::newRow("Command2") << "Command2" << QRect(208, 248, 49, 25);
    QTest::newRow("Command1") << "Command1" << QRect(136, 248, 49, 25);
    QTest::newRow("Text3") << "Text3" << QRect(128, 152, 113, 33);
    QTest::newRow("Text2") << "Text2" << QRect(128, 112, 113, 33);
    QTest::newRow("Text1") << "Text1" << QRect(128, 72, 113, 33);
    QTest::newRow("Label11") << "Label11" << QRect(248, 120, 33, 33);
    QTest::newRow("Label9") << "Label9" << QRect(248, 80, 41, 33);
    QTest::newRow("Label8") << "Label8" << QRect(208, 184, 65, 25);
    QTest::newRow("Label7") << "Label7" << QRect(88, 208, 161, 33);
    QTest::newRow("Label6") << "Label6" << QRect(24, 208, 65, 25);
    QTest::newRow("Label3") << "Label3" << QRect(24, 160, 97, 33);
    QTest::newRow("Label2") << "Label2" << QRect(24, 120, 105, 33);
    QTest::newRow("Label1") << "Label1" << QRect(24, 80, 113, 33);
    QTest::newRow("Image1") << "Image1" << QRect(0, 0, 58, 58);
    QTest::newRow("Label10") << "Label10" << QRect(64, 8, 217, 33);
}

void SavingsWindowTest::controls_sit_where_designed() {
    QFETCH(QString, name);
    QFETCH(QRect, client);
    const QWidget* widget = window_->findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(runtime::testing::clientRect(window_.get(), widget), client);
}

void SavingsWindowTest::frame_lies_above_the_corner_pictures_bottom_strip() {
    QCOMPARE(window_->childAt(20, 57), control("Frame1"));
    QCOMPARE(window_->childAt(20, 55), control("Image1"));
    QCOMPARE(window_->childAt(130, 90), control("Text1"));  // the deposit field lies above its caption
}

void SavingsWindowTest::focus_starts_in_the_deposit_field() { QCOMPARE(focused(), QStringLiteral("Text1")); }

void SavingsWindowTest::tab_cycles_forward_and_back() {
    const QStringList forward{"Text2", "Text3", "Command1", "Command2", "Text1"};
    for (const QString& next : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), next);
    }
    const QStringList backward{"Command2", "Command1", "Text3", "Text2", "Text1"};
    for (const QString& next : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), next);
    }
}

void SavingsWindowTest::enter_and_escape_click_nothing() {
    type("Text1", "1000");
    type("Text2", "2.25");
    type("Text3", "12");
    for (const char* field : {"Text1", "Text2", "Text3"}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(control(field), key);
    }
    QCOMPARE(caption("Label7"), QString());
    QVERIFY(recorder_.messages.isEmpty());
}

void SavingsWindowTest::calculates_through_the_widgets_data() {
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("fieldsAfter");

    QTest::newRow("year_of_thousands") << "1000" << "2.25" << "12" << "12146.25元" << "" << QStringList{"1000", "2.25", "12"};
    QTest::newRow("seven_hundreds") << "100" << "3.33" << "7" << "707.77元" << "" << QStringList{"100", "3.33", "7"};
    QTest::newRow("fractional_count") << "1000" << "2.25" << "2.5" << "2508.2元" << "" << QStringList{"1000", "2.25", "2.5"};
    QTest::newRow("whole_total") << "1000" << "2.4" << "12" << "12156元" << "" << QStringList{"1000", "2.4", "12"};
    QTest::newRow("count_with_chinese_unit") << "1000" << "2.25" << "12个月" << "12146.25元" << ""
                                             << QStringList{"1000", "2.25", "12个月"};
    QTest::newRow("rejects_empty_fields") << "" << "" << "" << "" << "本金应为正数！" << QStringList{"", "", ""};
    QTest::newRow("rejects_zero_rate") << "1000" << "0" << "12" << "" << "利率应为正数！" << QStringList{"1000", "", "12"};
    QTest::newRow("rejects_negative_count") << "1000" << "2.25" << "-3" << "" << "期数应为正数！"
                                            << QStringList{"1000", "2.25", ""};
    QTest::newRow("refuses_infinite_deposit") << "1e999" << "2.25" << "12" << "" << "计算结果超出范围！"
                                              << QStringList{"1e999", "2.25", "12"};
}

void SavingsWindowTest::calculates_through_the_widgets() {
    QFETCH(QString, deposit);
    QFETCH(QString, rate);
    QFETCH(QString, count);
    QFETCH(QString, result);
    QFETCH(QString, message);
    QFETCH(QStringList, fieldsAfter);

    type("Text1", deposit);
    type("Text2", rate);
    type("Text3", count);
    click("Command1");

    QCOMPARE(caption("Label7"), result);
    QCOMPARE(QStringList({text("Text1"), text("Text2"), text("Text3")}), fieldsAfter);
    QCOMPARE(focused(), QStringLiteral("Command1"));
    if (message.isEmpty()) {
        QVERIFY(recorder_.messages.isEmpty());
        return;
    }
    QCOMPARE(recorder_.messages.size(), 1);
    const runtime::testing::ShownMessage& shown = recorder_.messages.first();
    QCOMPARE(shown.title, QStringLiteral("数据输入错误"));
    QCOMPARE(shown.prompt, message);
    // The message comes before the field is emptied.
    QCOMPARE(shown.fields.value("Text1"), deposit);
    QCOMPARE(shown.fields.value("Text2"), rate);
    QCOMPARE(shown.fields.value("Text3"), count);
}

void SavingsWindowTest::rejection_keeps_an_earlier_result() {
    type("Text1", "1000");
    type("Text2", "2.25");
    type("Text3", "12");
    click("Command1");
    type("Text2", "abc");
    click("Command1");
    QCOMPARE(caption("Label7"), QStringLiteral("12146.25元"));
    QCOMPARE(text("Text2"), QString());
    QCOMPARE(recorder_.messages.size(), 1);
}

void SavingsWindowTest::clear_after_calculation_keeps_focus_on_clear_button() {
    type("Text1", "1000");
    type("Text2", "2.25");
    type("Text3", "12");
    click("Command1");
    click("Command2");
    QCOMPARE(QStringList({text("Text1"), text("Text2"), text("Text3"), caption("Label7"), caption("Label8")}),
             QStringList({"", "", "", "", ""}));
    QCOMPARE(focused(), QStringLiteral("Command2"));
    QTest::keyClicks(QApplication::focusWidget(), "5");
    QCOMPARE(QStringList({text("Text1"), text("Text2"), text("Text3")}), QStringList({"", "", ""}));
}

void SavingsWindowTest::clear_after_rejection_empties_the_other_fields() {
    type("Text1", "1000");
    type("Text2", "2.25");
    type("Text3", "-3");
    click("Command1");
    QCOMPARE(text("Text3"), QString());
    click("Command2");
    QCOMPARE(QStringList({text("Text1"), text("Text2"), text("Text3")}), QStringList({"", "", ""}));
    QCOMPARE(recorder_.messages.size(), 1);
}

void SavingsWindowTest::only_the_percent_label_fills_its_box() {
    const QImage shot = window_->grab().toImage();
    const QColor buttonFace = control("Label11")->palette().color(QPalette::Button);
    const QColor panelGrey(0xE0, 0xE0, 0xE0);
    QVERIFY(buttonFace != panelGrey);
    // Corners of each box, where no character is drawn.
    QCOMPARE(shot.pixelColor(279, 151), buttonFace);  // Label11 "%"
    QCOMPARE(shot.pixelColor(249, 151), buttonFace);
    QCOMPARE(shot.pixelColor(282, 111), panelGrey);   // Label9 "元"
    QCOMPARE(shot.pixelColor(135, 111), panelGrey);   // Label1
    QCOMPARE(shot.pixelColor(247, 238), panelGrey);   // Label7
}

void SavingsWindowTest::no_caption_is_cut_off() {
    window_->findChild<QLabel*>("Label7")->setText(QStringLiteral("123456789012.35元"));
    QCOMPARE(runtime::testing::labelsCutOff(window_.get()), QStringList());
}

void SavingsWindowTest::pictures_have_their_designed_formats() {
    QFile background(":/savings/background.gif");
    QVERIFY(background.open(QIODevice::ReadOnly));
    const auto sky = runtime::testing::readGifLayout(background.readAll());
    QVERIFY(sky.wellFormed);
    QCOMPARE(QSize(sky.width, sky.height), QSize(600, 500));
    QCOMPARE(sky.frames, 1);
    QCOMPARE(sky.paletteSize, 256);
    QVERIFY(!sky.transparentColour);

    QFile corner(":/savings/corner.gif");
    QVERIFY(corner.open(QIODevice::ReadOnly));
    const auto piggy = runtime::testing::readGifLayout(corner.readAll());
    QVERIFY(piggy.wellFormed);
    QCOMPARE(QSize(piggy.width, piggy.height), QSize(58, 58));
    QCOMPARE(piggy.frames, 1);
    QCOMPARE(piggy.paletteSize, 32);
    QVERIFY(piggy.transparentColour);

    QFile icon(":/savings/savecalc.ico");
    QVERIFY(icon.open(QIODevice::ReadOnly));
    const QList<runtime::testing::IconImage> expected{{16, 16, 8}, {16, 16, 32}, {32, 32, 8}, {32, 32, 32}};
    QCOMPARE(runtime::testing::readIconImages(icon.readAll()), expected);
}

void SavingsWindowTest::window_icon_offers_both_sizes() {
    const QList<QSize> sizes = window_->windowIcon().availableSizes();
    QVERIFY2(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)), "icon sizes missing");
    const QImage corner = control("Image1")->grab().toImage();
    QCOMPARE(corner.size(), QSize(58, 58));
}

QTEST_MAIN(SavingsWindowTest)
#include "window_test.moc"
