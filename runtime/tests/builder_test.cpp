#include "application.h"
#include "fitted_label.h"
#include "form_window.h"
#include "ink.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QToolTip>
#include <QtTest>

namespace {

using namespace runtime::design;
using runtime::FittedLabel;

constexpr Font kKai10{"楷体_GB2312", 10.5, 400, 134};  // 14 px; its digits are 7 px wide
constexpr Colour kGrey = 0x00E0E0E0, kCyan = 0x00FFFFC0, kBlue = 0x00FF0000;

constexpr Control kControls[] = {
    {"Panel", Kind::Frame, "Form1", 150, 150, 2850, 1800, 0, "面板", kKai10, background(kGrey)},
    {"OnPanel", Kind::Label, "Panel", 150, 300, 1200, 300, 1, "说明", kKai10, transparent},
    {"Blue", Kind::Label, "Panel", 1500, 300, 1200, 300, 2, "蓝色", kKai10, transparent.withText(kBlue)},
    {"Result", Kind::Label, "Panel", 150, 900, 915, 435, 3, "", kKai10, background(kCyan).centred()},
    {"Themed", Kind::Label, "Form1", 0, 1950, 1200, 300, 4, "主题", kKai10, standard},
    {"Field", Kind::TextBox, "Form1", 1500, 1950, 1210, 300, 5, "", kKai10, standard},
};

constexpr AccessibleName kNames[] = {{"Result", "结果"}};

constexpr Window kDesign{
    .name = "Form1", .title = "t", .border = Border::Sizable, .clientWidth = 3000, .clientHeight = 2400,
    .background = kGrey, .picture = "", .icon = "", .font = std::nullopt, .controls = kControls, .accessibleNames = kNames,
};

QPalette darkTheme() {
    QPalette dark;
    const QColor face(0x35, 0x35, 0x35), light(0xEE, 0xEE, 0xEC);
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) dark.setColor(role, face);
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) dark.setColor(role, light);
    return dark;
}

QRect boxOf(const QWidget* window, const QString& name) {
    const auto* widget = window->findChild<QWidget*>(name);
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

}  // namespace

class BuilderTest : public QObject {
    Q_OBJECT

    const QPalette platform_ = QApplication::palette();

private slots:
    void cleanup() { QApplication::setPalette(platform_); }

    void controls_sit_in_their_containers_at_15_twips_a_pixel() {
        const auto window = runtime::buildWindow(kDesign);
        QCOMPARE(boxOf(window.get(), "Panel"), QRect(10, 10, 190, 120));
        QCOMPARE(boxOf(window.get(), "OnPanel"), QRect(20, 30, 80, 20));  // 150 + 150, 150 + 300 twips
        QCOMPARE(boxOf(window.get(), "Result"), QRect(20, 70, 61, 29));
        QCOMPARE(boxOf(window.get(), "Field"), QRect(100, 130, 81, 20));  // 1210 twips round to 81
    }

    void dark_theme_text_stays_legible_and_designed_colours_stay() {
        QApplication::setPalette(darkTheme());
        const auto window = runtime::buildWindow(kDesign);
        window->findChild<QLabel*>("Result")->setText(" 12.5");
        const QImage shot = window->grab().toImage();
        for (const char* name : {"OnPanel", "Blue", "Result", "Themed"}) {
            QVERIFY2(runtime::testing::inkContrast(shot, boxOf(window.get(), name)) >= 4.5, name);
        }
        QCOMPARE(shot.pixelColor(boxOf(window.get(), "Result").bottomLeft()), QColor(0xC0, 0xFF, 0xFF));
        QCOMPARE(shot.pixelColor(boxOf(window.get(), "OnPanel").bottomLeft()), QColor(0xE0, 0xE0, 0xE0));
        // The design's own text colour and the theme's, where legible, are kept as they are.
        QCOMPARE(window->findChild<QLabel*>("Blue")->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
        QCOMPARE(window->findChild<QLabel*>("Themed")->palette().color(QPalette::WindowText), QColor(0xEE, 0xEE, 0xEC));
        QCOMPARE(window->findChild<QLineEdit*>("Field")->palette().color(QPalette::Base), QColor(0x35, 0x35, 0x35));
        QCOMPARE(window->findChild<QLabel*>("OnPanel")->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void theme_change_repaints_what_the_design_leaves_to_the_theme() {
        const auto window = runtime::buildWindow(kDesign);
        window->show();
        QApplication::setPalette(darkTheme());
        QCOMPARE(window->findChild<QLabel*>("Themed")->palette().color(QPalette::Window), QColor(0x35, 0x35, 0x35));
        QCOMPARE(window->findChild<QLabel*>("OnPanel")->palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(window->findChild<QLabel*>("Result")->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xFF));
    }

    void figure_is_drawn_whole_inside_its_box_data() {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QStringList>("lines");  // empty where only the size is known
        QTest::addColumn<bool>("asDesigned");
        QTest::addColumn<bool>("tooLong");
        // The box is 61 x 29 pixels. 9 characters of 7 px are 63 px: the blank goes, 56 px stay.
        QTest::newRow("blank_dropped_not_the_size") << " 1.931692" << QStringList{"1.931692"} << true << false;
        QTest::newRow("short_figure_as_written") << " 5" << QStringList{" 5"} << true << false;
        // 10 characters need 70 px at 14 px: one line at a smaller size.
        QTest::newRow("smaller_on_one_line") << " 113.825691" << QStringList{"113.825691"} << false << false;
        // 14 characters fit one line only below 9 px: broken onto two lines.
        QTest::newRow("broken_onto_two_lines") << " 3594928.183127" << QStringList{} << false << false;
        QTest::newRow("too_long_even_broken") << " 1" + QString(44, '0') + ".000000" << QStringList{} << false << true;
        QTest::newRow("empty") << "" << QStringList{""} << true << false;
    }
    void figure_is_drawn_whole_inside_its_box() {
        QFETCH(QString, figure);
        QFETCH(QStringList, lines);
        QFETCH(bool, asDesigned);
        QFETCH(bool, tooLong);
        const auto window = runtime::buildWindow(kDesign);
        auto* result = window->findChild<FittedLabel*>("Result");
        result->setText(figure);
        QCOMPARE(result->text(), figure);
        QCOMPARE(result->shownAsDesigned(), asDesigned);
        QCOMPARE(result->shownTooLong(), tooLong);
        QVERIFY(result->shownFont().pixelSize() >= FittedLabel::kFloorPixelSize);
        const QStringList shown = result->shownLines();
        if (!lines.isEmpty()) QCOMPARE(shown, lines);
        if (tooLong) QVERIFY(shown.size() == 1 && shown[0].size() >= 3 && shown[0].count('#') == shown[0].size());
        else QCOMPARE(shown.join(QString()).remove(' '), QString(figure).remove(' '));
        if (!asDesigned && !tooLong) QCOMPARE(shown.size() > 1, lines.isEmpty());
        const QImage shot = result->grab().toImage();
        QVERIFY(!runtime::testing::inkOnEdges(shot, shot.rect(), qRgb(0xC0, 0xFF, 0xFF)));
        QVERIFY(figure.trimmed().isEmpty() || runtime::testing::inkContrast(shot, shot.rect()) >= 4.5);
    }

    void figure_drawn_otherwise_is_whole_in_its_tooltip() {
        const auto window = runtime::buildWindow(kDesign);
        window->show();
        auto* result = window->findChild<FittedLabel*>("Result");
        const QString figure = " 1" + QString(44, '0') + ".000000";
        result->setText(figure);
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), result->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(result, &hover);
        QTRY_COMPARE(QToolTip::text(), figure);
    }

    void result_reads_its_figure_under_the_caption_beside_it() {
        const auto window = runtime::buildWindow(kDesign);
        QAccessibleInterface* result = QAccessible::queryAccessibleInterface(window->findChild<QLabel*>("Result"));
        QAccessibleInterface* plain = QAccessible::queryAccessibleInterface(window->findChild<QLabel*>("OnPanel"));
        QVERIFY(result && result->textInterface() && plain);
        const auto read = [](QAccessibleInterface* face) {
            return QStringList{face->text(QAccessible::Name), face->textInterface()->text(0, face->textInterface()->characterCount())};
        };
        QCOMPARE(read(result), QStringList({"结果", ""}));
        QCOMPARE(read(plain), QStringList({"说明", "说明"}));
        const QString figure = " 1" + QString(44, '0') + ".000000";  // drawn as the mark, read whole
        window->form().setCaption(u"Result", figure);
        QCOMPARE(read(result), QStringList({"结果", figure}));
        QCOMPARE(result->text(QAccessible::Value), figure);
    }

    void result_is_selected_with_the_mouse_and_copied_but_never_tabbed_to() {
        const auto window = runtime::buildWindow(kDesign);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->form().setCaption(u"Result", " 12.5");  // drawn "12.5" from x = 16, 7 px a digit
        auto* result = window->findChild<FittedLabel*>("Result");
        const int y = result->height() / 2;
        // Dragged from the left of the figure to the middle of its "5": "12."
        QTest::mousePress(result, Qt::LeftButton, {}, QPoint(2, y));
        QMouseEvent drag(QEvent::MouseMove, QPointF(40, y), result->mapToGlobal(QPointF(40, y)), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(result, &drag);
        QTest::mouseRelease(result, Qt::LeftButton, {}, QPoint(40, y));
        QCOMPARE(QApplication::focusWidget(), result);
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12."));
        QTest::mouseDClick(result, Qt::LeftButton, {}, QPoint(20, y));
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12.5"));
        // Tab goes from the field round to the field again, past the result.
        auto* field = window->findChild<QLineEdit*>("Field");
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), field);
        // A caption that is not a result cannot be selected.
        auto* plain = window->findChild<FittedLabel*>("OnPanel");
        QTest::mouseDClick(plain, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(plain->selectedText(), QString());
    }

    void result_copies_its_whole_figure_from_the_menu_even_from_the_mark() {
        runtime::installQtTranslation(*qApp);
        const auto window = runtime::buildWindow(kDesign);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QString figure = " 1" + QString(44, '0') + ".000000";  // too wide: drawn as the mark
        window->form().setCaption(u"Result", figure);
        auto* result = window->findChild<FittedLabel*>("Result");
        QStringList items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) items << action->text().section('\t', 0, 0);
            }
            menu->actions().constLast()->trigger();  // 全选
            menu->close();
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), result->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(result, &click);
        QCOMPARE(items, QStringList({"复制(&C)", "全选"}));
        QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), figure.trimmed());
    }

    void text_box_menu_speaks_chinese() {
        runtime::installQtTranslation(*qApp);
        const auto window = runtime::buildWindow(kDesign);
        window->show();
        auto* field = window->findChild<QLineEdit*>("Field");
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field, &click);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = field->findChild<QMenu*>()) || (menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QStringList items;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator()) items << action->text().section('\t', 0, 0);
        }
        menu->close();
        QCOMPARE(items, QStringList({"撤消(&U)", "重做(&R)", "剪切(&T)", "复制(&C)", "粘贴(&P)", "删除", "全选"}));
    }
};

QTEST_MAIN(BuilderTest)
#include "builder_test.moc"
