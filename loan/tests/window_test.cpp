#include "picture_formats.h"
#include "loan_window.h"
#include "window_testing.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

using runtime::testing::MessageRecorder;

class LoanWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fresh_window_has_designed_client_area_and_empty_results();
    void controls_sit_where_designed_data();
    void controls_sit_where_designed();
    void earlier_rows_lie_above_later_ones();
    void colours_and_alignment_show_as_designed();
    void note_wraps_within_its_box_and_no_caption_is_cut_off();
    void tab_cycles_forward_and_back();
    void enter_and_escape_click_nothing();
    void confirms_through_the_widgets_data();
    void confirms_through_the_widgets();
    void clear_after_calculation_puts_typing_into_the_amount();
    void clear_after_rejection_empties_every_field();
    void exit_closes_the_only_window();
    void enlarging_leaves_controls_in_place();
    void icon_has_its_three_images();

private:
    QWidget* control(const QString& name) { return window_->findChild<QWidget*>(name); }
    QString caption(const char* name) { return window_->findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    QString text(const char* name) { return window_->findChild<QLineEdit*>(QString::fromLatin1(name))->text(); }
    QStringList fields() { return {text("Text1"), text("Text2"), text("Text3"), text("Text4")}; }
    QStringList results() { return {caption("Label6"), caption("Label9"), caption("Label13")}; }
    QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    void type(const char* field, const QString& text) {
        auto* box = window_->findChild<QLineEdit*>(QString::fromLatin1(field));
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        runtime::testing::typeText(box, text);
    }
    void fill(const QStringList& inputs) {
        const char* names[] = {"Text1", "Text2", "Text3", "Text4"};
        for (int i = 0; i < 4; ++i) type(names[i], inputs[i]);
    }
    void click(const char* button) { QTest::mouseClick(control(QString::fromLatin1(button)), Qt::LeftButton); }
    // The columns of a box where the caption's ink (a pixel darker than its background) lies.
    std::pair<int, int> inkColumns(const QImage& shot, const QString& name);

    std::unique_ptr<runtime::FormWindow> window_;
    MessageRecorder recorder_;
    std::unique_ptr<runtime::testing::ModalGuard> guard_;
};

void LoanWindowTest::init() {
    recorder_.messages.clear();
    guard_ = std::make_unique<runtime::testing::ModalGuard>();
    window_ = loan::createWindow();
    window_->setWarning(recorder_.warning());
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void LoanWindowTest::cleanup() {
    QVERIFY2(!guard_->sawModal(), "a real message box opened");
    window_.reset();
    guard_.reset();
}

void LoanWindowTest::fresh_window_has_designed_client_area_and_empty_results() {
    // No frame to measure here, so the client area keeps its designed 6945 x 4680 twips.
    QCOMPARE(window_->size(), QSize(463, 312));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Maribosk"));
    QCOMPARE(focused(), QStringLiteral("Text1"));
    QCOMPARE(fields(), QStringList({"", "", "", ""}));
    QCOMPARE(results(), QStringList({"", "", ""}));
}

void LoanWindowTest::controls_sit_where_designed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("client");
    // Twips over 15; children of a frame shifted by the frame's own position.
    QTest::newRow("Frame5") << "Frame5" << QRect(264, 246, 181, 47);
    QTest::newRow("Label15") << "Label15" << QRect(282, 266, 155, 21);
    QTest::newRow("Frame3") << "Frame3" << QRect(26, 202, 223, 91);
    QTest::newRow("Label11") << "Label11" << QRect(30, 218, 217, 71);
    QTest::newRow("Command3") << "Command3" << QRect(380, 216, 55, 23);
    QTest::newRow("Command2") << "Command2" << QRect(324, 216, 55, 23);
    QTest::newRow("Command1") << "Command1" << QRect(270, 216, 55, 23);
    QTest::newRow("Frame2") << "Frame2" << QRect(264, 16, 173, 171);
    QTest::newRow("Label14") << "Label14" << QRect(274, 158, 57, 19);
    QTest::newRow("Label13") << "Label13" << QRect(346, 132, 81, 21);
    QTest::newRow("Label12") << "Label12" << QRect(274, 134, 71, 19);
    QTest::newRow("Label10") << "Label10" << QRect(274, 110, 79, 19);
    QTest::newRow("Label9") << "Label9" << QRect(364, 68, 61, 29);
    QTest::newRow("Label8") << "Label8" << QRect(274, 82, 99, 29);
    QTest::newRow("Label7") << "Label7" << QRect(356, 52, 73, 27);
    QTest::newRow("Label6") << "Label6" << QRect(316, 52, 25, 18);
    QTest::newRow("Label4") << "Label4" << QRect(274, 52, 33, 24);
    QTest::newRow("Text2") << "Text2" << QRect(148, 78, 83, 23);
    QTest::newRow("Text1") << "Text1" << QRect(148, 38, 83, 25);
    QTest::newRow("Frame1") << "Frame1" << QRect(24, 16, 221, 171);
    QTest::newRow("Text4") << "Text4" << QRect(148, 152, 83, 23);
    QTest::newRow("Text3") << "Text3" << QRect(148, 114, 83, 22);
    QTest::newRow("Label5") << "Label5" << QRect(50, 154, 79, 23);
    QTest::newRow("Label3") << "Label3" << QRect(46, 116, 83, 19);
    QTest::newRow("Label2") << "Label2" << QRect(42, 80, 101, 25);
    QTest::newRow("Label1") << "Label1" << QRect(34, 42, 105, 24);
    QTest::newRow("Frame4") << "Frame4" << QRect(262, 200, 179, 44);
}

void LoanWindowTest::controls_sit_where_designed() {
    QFETCH(QString, name);
    QFETCH(QRect, client);
    const QWidget* widget = control(name);
    QVERIFY(widget);
    QCOMPARE(runtime::testing::clientRect(window_.get(), widget), client);
}

void LoanWindowTest::earlier_rows_lie_above_later_ones() {
    QCOMPARE(window_->childAt(324, 220), control("Command2"));  // the clear button over the confirm button
    QCOMPARE(window_->childAt(366, 90), control("Label9"));     // the payment box over its caption
    QCOMPARE(window_->childAt(150, 40), control("Text1"));      // the amount field over the input panel
    QCOMPARE(window_->childAt(300, 220), control("Command1"));  // the buttons over their frame
}

std::pair<int, int> LoanWindowTest::inkColumns(const QImage& shot, const QString& name) {
    const QRect box = runtime::testing::clientRect(window_.get(), control(name));
    const QColor paper = shot.pixelColor(box.bottomRight());
    int first = -1;
    int last = -1;
    for (int x = box.left(); x <= box.right(); ++x) {
        for (int y = box.top(); y <= box.bottom(); ++y) {
            if (shot.pixelColor(x, y).lightness() < paper.lightness() - 80) {
                if (first < 0) first = x - box.left();
                last = x - box.left();
                break;
            }
        }
    }
    return {first, box.width() - 1 - last};
}

void LoanWindowTest::colours_and_alignment_show_as_designed() {
    fill({"20", "60", "12", "0.465"});
    click("Command1");
    const QImage shot = window_->grab().toImage();
    const QColor cyan(0xC0, 0xFF, 0xFF), white(0xFF, 0xFF, 0xFF), pink(0xFF, 0xC0, 0xFF), grey(0xE0, 0xE0, 0xE0);
    QCOMPARE(shot.pixelColor(364, 95), cyan);  // Label9's left edge, beside Label8
    QCOMPARE(shot.pixelColor(364, 70), cyan);
    QCOMPARE(shot.pixelColor(426, 152), cyan);  // Label13's corner
    QCOMPARE(shot.pixelColor(340, 69), cyan);   // Label6's corner
    QCOMPARE(shot.pixelColor(246, 288), white);  // the note's corner
    QCOMPARE(shot.pixelColor(29, 250), pink);    // Frame3 beside the note
    QCOMPARE(shot.pixelColor(270, 290), pink);   // Frame5 beside the question
    QCOMPARE(shot.pixelColor(455, 300), grey);   // the window itself

    const auto [interval, intervalRight] = inkColumns(shot, "Label6");
    QVERIFY2(std::abs(interval - intervalRight) <= 6, "the interval is centred");
    const auto [caption1Left, caption1Right] = inkColumns(shot, "Label1");
    QVERIFY2(caption1Left > 4 && std::abs(caption1Left - caption1Right) <= 3, "贷款金额(万元) is centred");
    const auto [caption2Left, caption2Right] = inkColumns(shot, "Label2");
    QVERIFY2(caption2Left <= 1 && caption2Right > 2, "贷款期(单位：月) is left-aligned");
}

void LoanWindowTest::note_wraps_within_its_box_and_no_caption_is_cut_off() {
    auto* note = window_->findChild<QLabel*>("Label11");
    QVERIFY(note->text().startsWith(QStringLiteral("  贷款期以月为单位")));
    QVERIFY(note->wordWrap());
    QVERIFY(QFontMetrics(note->font()).horizontalAdvance(note->text()) > 3 * note->width());
    fill({"20", "60", "12", "0.465"});
    click("Command1");
    const QStringList cut = runtime::testing::labelsCutOff(window_.get());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
}

void LoanWindowTest::tab_cycles_forward_and_back() {
    const QStringList forward{"Text2", "Text3", "Text4", "Command1", "Command2", "Command3", "Text1"};
    for (const QString& next : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), next);
    }
    const QStringList backward{"Command3", "Command2", "Command1", "Text4", "Text3", "Text2", "Text1"};
    for (const QString& next : backward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), next);
    }
}

void LoanWindowTest::enter_and_escape_click_nothing() {
    fill({"20", "60", "12", "0.465"});
    for (const char* field : {"Text1", "Text2", "Text3", "Text4"}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(control(QString::fromLatin1(field)), key);
        }
    }
    QCOMPARE(results(), QStringList({"", "", ""}));
    QVERIFY(window_->isVisible());
    QVERIFY(recorder_.messages.isEmpty());
}

void LoanWindowTest::confirms_through_the_widgets_data() {
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("resultsAfter");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("fieldsAtMessage");
    QTest::addColumn<QStringList>("fieldsAfter");
    QTest::addColumn<QString>("focusAfter");

    const QStringList none{"", "", ""};
    const QString divisor = QStringLiteral("偿还次数必须是正整数，并且为贷款期的约数！");
    QTest::newRow("every_five_months") << QStringList{"20", "60", "12", "0.465"} << QStringList{" 5", " 1.931692", "23.1803"}
                                       << "" << QStringList{} << QStringList{"20", "60", "12", "0.465"} << "Text1";
    QTest::newRow("monthly") << QStringList{"20", "60", "60", "0.465"} << QStringList{" 1", " 0.382762", "22.9657"} << ""
                             << QStringList{} << QStringList{"20", "60", "60", "0.465"} << "Text1";
    QTest::newRow("total_below_one") << QStringList{"0.5", "24", "4", "0.6"} << QStringList{" 6", " 0.136625", ".5465"}
                                     << "" << QStringList{} << QStringList{"0.5", "24", "4", "0.6"} << "Text1";
    QTest::newRow("full_width_amount") << QStringList{"２０", "60", "12", "0.465"} << QStringList{" 5", " 1.931692", "23.1803"}
                                       << "" << QStringList{} << QStringList{"２０", "60", "12", "0.465"} << "Text1";
    QTest::newRow("rejects_empty_amount") << QStringList{"", "60", "12", "0.465"} << none << "贷款必须是正数！"
                                          << QStringList{"", "60", "12", "0.465"} << QStringList{"", "60", "12", "0.465"}
                                          << "Command1";
    QTest::newRow("empties_fractional_term_before_warning")
        << QStringList{"20", "60.5", "12", "0.465"} << none << "贷款期必须是正整数，以月为单位！"
        << QStringList{"20", "", "12", "0.465"} << QStringList{"20", "", "12", "0.465"} << "Text2";
    QTest::newRow("zero_repayments_only_warn") << QStringList{"20", "60", "0", "0.465"} << none << divisor
                                               << QStringList{"20", "60", "0", "0.465"} << QStringList{"20", "60", "0", "0.465"}
                                               << "Command1";
    QTest::newRow("empties_non_divisor_after_warning") << QStringList{"20", "60", "7", "0.465"} << none << divisor
                                                       << QStringList{"20", "60", "7", "0.465"}
                                                       << QStringList{"20", "60", "", "0.465"} << "Text3";
    QTest::newRow("empties_more_repayments_than_months") << QStringList{"20", "60", "120", "0.465"} << none << divisor
                                                         << QStringList{"20", "60", "120", "0.465"}
                                                         << QStringList{"20", "60", "", "0.465"} << "Text3";
    QTest::newRow("rejects_zero_rate") << QStringList{"20", "60", "12", "0"} << none << "月利率必须是正数！"
                                       << QStringList{"20", "60", "12", "0"} << QStringList{"20", "60", "12", "0"} << "Command1";
    QTest::newRow("refuses_rate_too_small_to_matter") << QStringList{"20", "60", "12", "1e-15"} << none << "计算结果超出范围！"
                                                      << QStringList{"20", "60", "12", "1e-15"}
                                                      << QStringList{"20", "60", "12", "1e-15"} << "Command1";
}

void LoanWindowTest::confirms_through_the_widgets() {
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, resultsAfter);
    QFETCH(QString, message);
    QFETCH(QStringList, fieldsAtMessage);
    QFETCH(QStringList, fieldsAfter);
    QFETCH(QString, focusAfter);

    fill(inputs);
    click("Command1");
    QCOMPARE(results(), resultsAfter);
    QCOMPARE(fields(), fieldsAfter);
    QCOMPARE(focused(), focusAfter);
    if (message.isEmpty()) {
        QVERIFY(recorder_.messages.isEmpty());
        return;
    }
    QCOMPARE(recorder_.messages.size(), 1);
    const runtime::testing::ShownMessage& shown = recorder_.messages.first();
    QCOMPARE(shown.title, QStringLiteral("注意"));
    QCOMPARE(shown.prompt, message);
    QCOMPARE(QStringList({shown.fields["Text1"], shown.fields["Text2"], shown.fields["Text3"], shown.fields["Text4"]}),
             fieldsAtMessage);
}

void LoanWindowTest::clear_after_calculation_puts_typing_into_the_amount() {
    fill({"20", "60", "12", "0.465"});
    click("Command1");
    click("Command2");
    QCOMPARE(fields(), QStringList({"", "", "", ""}));
    QCOMPARE(results(), QStringList({"", "", ""}));
    QCOMPARE(focused(), QStringLiteral("Text1"));
    QTest::keyClicks(QApplication::focusWidget(), "35");
    QCOMPARE(text("Text1"), QStringLiteral("35"));
}

void LoanWindowTest::clear_after_rejection_empties_every_field() {
    fill({"20", "60", "7", "0.465"});
    click("Command1");
    click("Command2");
    QCOMPARE(fields(), QStringList({"", "", "", ""}));
    QCOMPARE(focused(), QStringLiteral("Text1"));
}

void LoanWindowTest::exit_closes_the_only_window() {
    fill({"20", "60", "12", "0.465"});
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    bool timedOut = false;
    QTimer::singleShot(0, this, [this] { click("Command3"); });
    QTimer::singleShot(5000, qApp, [&timedOut] { timedOut = true; QApplication::quit(); });
    QApplication::exec();  // returns once the event loop ends
    QVERIFY(!timedOut);
    QVERIFY(!window_->isVisible());
    QCOMPARE(lastWindowClosed.count(), 1);
    QVERIFY(recorder_.messages.isEmpty());
}

void LoanWindowTest::enlarging_leaves_controls_in_place() {
    window_->resize(700, 500);
    QCOMPARE(runtime::testing::clientRect(window_.get(), control("Command3")), QRect(380, 216, 55, 23));
    QCOMPARE(runtime::testing::clientRect(window_.get(), control("Label11")), QRect(30, 218, 217, 71));
    QCOMPARE(window_->grab().toImage().pixelColor(650, 450), QColor(0xE0, 0xE0, 0xE0));
}

void LoanWindowTest::icon_has_its_three_images() {
    QFile icon(":/loan/loancalc.ico");
    QVERIFY(icon.open(QIODevice::ReadOnly));
    const QList<runtime::testing::IconImage> expected{{32, 32, 1}, {32, 32, 4}, {16, 16, 4}};
    QCOMPARE(runtime::testing::readIconImages(icon.readAll()), expected);
    QVERIFY(window_->windowIcon().availableSizes().contains(QSize(16, 16)));
}

QTEST_MAIN(LoanWindowTest)
#include "window_test.moc"
