// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRawFont>
#include <QToolTip>

namespace {

using namespace runtime::design;
using runtime::FittedLabel;

constexpr Font kKai10{"楷体_GB2312", 10.5, 400, 134};  // 14 px; its digits are 7 px wide
constexpr Font kKai12{"楷体_GB2312", 12, 400, 134};     // 16 px: "蓝色" inks its box's top row and the row above its bottom
constexpr Colour kGrey = 0x00E0E0E0, kCyan = 0x00FFFFC0, kBlue = 0x00FF0000;

constexpr Control kControls[] = {
    {"Field", Kind::TextBox, "Form1", 1500, 1950, 1210, 300, 6, "", kKai10, standard},
    {"Panel", Kind::Frame, "Form1", 150, 150, 2850, 1800, 0, "面板", kKai10, background(kGrey)},
    {"OnPanel", Kind::Label, "Panel", 150, 300, 1200, 300, 1, "说明", kKai10, transparent},
    {"Blue", Kind::Label, "Panel", 1500, 300, 1200, 240, 2, "蓝色", kKai12, transparent.withText(kBlue)},
    {"Result", Kind::Label, "Panel", 150, 900, 840, 435, 3, "", kKai10, background(kCyan).centred()},
    {"Themed", Kind::Label, "Form1", 0, 1950, 1200, 300, 4, "主题", kKai10, standard},
    {"Second", Kind::TextBox, "Form1", 0, 2400, 1200, 300, 5, "", kKai10, standard},
    {"Third", Kind::TextBox, "Form1", 1500, 2400, 1200, 300, 7, "", kKai10, standard},
    {"Narrow", Kind::Label, "Form1", 2775, 1950, 150, 300, 8, "", kKai10, standard},  // 10 px: one mark wide
};

constexpr AccessibleName kNames[] = {{"Result", "结果"}};

constexpr Window kDesign{
    .name = "Form1", .title = "t", .border = Border::Sizable, .clientWidth = 3000, .clientHeight = 2700,
    .background = kGrey, .picture = {}, .icon = {}, .font = std::nullopt, .controls = kControls, .accessibleNames = kNames,
};

const QString kTooLong = " 1" + QString(44, '0') + ".000000";  // wider than the box at any legible size

}  // namespace

class BuilderTest : public runtime::testing::WindowFixture {
    Q_OBJECT

    const QPalette platform_ = QApplication::palette();

    FittedLabel* result() const { return window->findChild<FittedLabel*>("Result"); }
    QColor colour(const char* name, QPalette::ColorRole role) const { return control(name)->palette().color(role); }

    // Opens a control's context menu and reads its items, choosing the one at `choose`.
    QStringList menuOf(QWidget* widget, int choose = -1) {
        QStringList items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QList<QAction*> actions;
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) actions << action, items << action->text().section('\t', 0, 0);
            }
            if (choose >= 0) actions[choose]->trigger();
            menu->close();
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &click);
        (void)QTest::qWaitFor([&] { return !items.isEmpty(); });
        QApplication::setActiveWindow(window.get());  // the offscreen platform leaves none active after a popup
        return items;
    }

    // The frame's etched border, from its pixels: the theme's dark line outside and light line
    // inside, the top one running through the middle of the caption "面板" (from x = 10), which breaks it.
    void verifyEtchedFrame() const {
        QWidget* panel = control("Panel");
        const QImage shot = panel->grab().toImage();
        const int r = static_cast<int>(shot.devicePixelRatio()), middle = shot.height() / 2;
        const QRgb dark = panel->palette().color(QPalette::Dark).rgb(), light = panel->palette().color(QPalette::Light).rgb();
        const auto at = [&](int x, int y) { return shot.pixel(x, y) | 0xFF000000; };
        int line = 0, inkTop = shot.height(), inkBottom = 0;
        while (line < shot.height() && at(shot.width() - 6 * r, line) != dark) ++line;
        for (int y = 0; y < 20 * r; ++y) {
            for (int x = 10 * r; x < (10 + panel->fontMetrics().horizontalAdvance("面板")) * r; ++x) {
                if (at(x, y) != qRgb(0xE0, 0xE0, 0xE0)) inkTop = std::min(inkTop, y), inkBottom = std::max(inkBottom, y);
                QVERIFY2(y != line || at(x, y) != dark, "the caption breaks the border");
            }
        }
        QVERIFY2(std::abs((line - inkTop) - (inkBottom - line)) <= 2 * r, qPrintable(QString("line %1, ink %2 to %3").arg(line).arg(inkTop).arg(inkBottom)));
        QCOMPARE(QList<QRgb>({at(0, middle), at(shot.width() - 2 * r, middle), at(shot.width() / 2, shot.height() - 2 * r), at(r, middle)}),
                 QList<QRgb>({dark, dark, dark, light}));
    }

private slots:
    void init() { open([] { return runtime::buildWindow(kDesign); }); }
    void cleanup() {
        close();
        QApplication::setPalette(platform_);
    }

    void controls_sit_in_their_containers_at_15_twips_a_pixel() {
        const auto at = [this](const char* name) { return QRect(control(name)->mapTo(window.get(), QPoint()), control(name)->size()); };
        QCOMPARE(focused(), QStringLiteral("Second"));  // the lowest tab index, not the first row
        QCOMPARE(at("Panel"), QRect(10, 10, 190, 120));
        QCOMPARE(at("OnPanel"), QRect(20, 30, 80, 20));  // 150 + 150, 150 + 300 twips
        QCOMPARE(at("Result"), QRect(20, 70, 56, 29));
        QCOMPARE(at("Field"), QRect(100, 130, 81, 20));  // 1210 twips round to 81
        QVERIFY(result()->alignment() & Qt::AlignHCenter && control<QLabel>("OnPanel")->alignment() & Qt::AlignLeft);
        QCOMPARE(texts({"OnPanel", "Blue"}), QStringList({"说明", "蓝色"}));
        verifyEtchedFrame();
    }

    void a_dark_theme_keeps_designed_colours_and_every_text_legible() {
        const QColor face(0x35, 0x35, 0x35), light(0xEE, 0xEE, 0xEC);
        QPalette dark;
        for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) dark.setColor(role, face);
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText}) dark.setColor(role, light);
        dark.setColor(QPalette::Text, QColor(0x50, 0x50, 0x50));  // illegible on the theme's own face
        QApplication::setPalette(dark);
        window->form().setCaption(u"Result", " 12.5");
        QCOMPARE(shownWrongly(kDesign).join(" | "), QString());
        // The design's own text colour, and the theme's where it is legible, are kept.
        QCOMPARE(colour("Blue", QPalette::WindowText), QColor(0, 0, 0xFF));
        QCOMPARE(colour("Themed", QPalette::WindowText), light);
        QCOMPARE(colour("Field", QPalette::Base), face);
        QCOMPARE(colour("Field", QPalette::Text), QColor(Qt::white));
        verifyEtchedFrame();
    }

    void figure_is_drawn_whole_inside_its_box_data() {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<QStringList>("lines");  // empty where only the size is known
        QTest::addColumn<bool>("asDesigned");
        QTest::addColumn<bool>("tooLong");
        // The box is 56 x 29 pixels. 9 characters of 7 px are 63 px: the blank goes, and the
        // 56 px left fill the box exactly: as designed where the ink stays clear of its sides.
        QTest::newRow("blank_dropped_not_the_size") << " 11.93161" << QStringList{"11.93161"} << true << false;
        QTest::newRow("ink_on_a_side_drawn_smaller") << " 1.931694" << QStringList{"1.931694"} << false << false;
        QTest::newRow("short_figure_as_written") << " 5" << QStringList{" 5"} << true << false;
        // Nine blanks are wider than the box: a break after them would leave them a line alone.
        QTest::newRow("blanks_a_break_leaves_alone_dropped") << QString(9, ' ') + "5" << QStringList{"5"} << true << false;
        // 10 characters need 70 px at 14 px: one line at a smaller size.
        QTest::newRow("smaller_on_one_line") << " 113.825691" << QStringList{"113.825691"} << false << false;
        // 14 characters fit one line only below 9 px: broken onto two lines.
        QTest::newRow("broken_onto_two_lines") << " 3594928.183127" << QStringList{} << false << false;
        // 30 digits fit only at 9 px, 4.5 px a digit, on three lines broken inside the figure.
        QTest::newRow("broken_anywhere_at_the_floor") << " " + QString(30, '7')
                                                      << QStringList{QString(12, '7'), QString(12, '7'), QString(6, '7')} << false << false;
        QTest::newRow("too_long_even_broken") << kTooLong << QStringList{} << false << true;
    }
    void figure_is_drawn_whole_inside_its_box() {
        QFETCH(QString, figure);
        QFETCH(QStringList, lines);
        QFETCH(bool, asDesigned);
        QFETCH(bool, tooLong);
        window->form().setCaption(u"Result", figure);
        // Screen readers read the figure whole, under the name of the caption beside it.
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(result());
        QCOMPARE(face->text(QAccessible::Name) + ": " + face->textInterface()->text(0, face->textInterface()->characterCount()) + " " +
                     face->textInterface()->text(1, 3), QStringLiteral("结果: ") + figure + " " + figure.mid(1, 2));
        QCOMPARE(result()->shownAsDesigned(), asDesigned);
        QCOMPARE(result()->shownTooLong(), tooLong);
        QVERIFY(result()->shownFont().pixelSize() >= FittedLabel::kFloorPixelSize);
        if (!lines.isEmpty()) QCOMPARE(result()->shownLines(), lines);
        else if (!tooLong) QCOMPARE(result()->shownLines().size(), 2);
        QCOMPARE(shownWrongly(kDesign).join(" | "), QString());
        // Drawn otherwise than designed, the figure shows whole on hover.
        QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), result()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(result(), &hover);
        QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), asDesigned ? QString() : figure, kWindowSystemWaitMs);
    }

    void text_box_answers_screen_readers_for_the_whole_of_its_text() {
        type("Field", "12.5");  // 7 px a character
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control("Field"));
        QAccessibleTextInterface* text = face->textInterface();
        QVERIFY(face->state().editable && face->state().selectableText && !face->state().readOnly);
        QCOMPARE(face->text(QAccessible::Value) + " " + text->text(1, 3), QStringLiteral("12.5 2."));
        int start = -1, end = -1;
        QStringList boxes;  // where each character is drawn, and the character found there again
        for (int offset = 0; offset <= 4; ++offset) {
            text->attributes(offset, &start, &end);
            QCOMPARE(QList<int>({start, end}), QList<int>({0, 4}));  // one run: the text has no attributes
            const QRect box = text->characterRect(offset);
            if (!box.isEmpty()) boxes << QString("%1 %2 %3").arg(control("Field")->mapFromGlobal(box.topLeft()).x()).arg(box.width()).arg(text->offsetAtPoint(box.topLeft() + QPoint(1, 1)));
        }
        // x, width, and the offset found at the box's corner: the characters' ink lies in columns 5 to 7,
        // 11 to 15, 20 and 21, and 25 to 29.
        QCOMPARE(boxes, QStringList({"3 7 0", "10 7 1", "17 7 2", "24 7 3"}));
        text->setSelection(0, 1, 3);
        text->selection(0, &start, &end);
        QCOMPARE(QList<int>({text->selectionCount(), start, end}), QList<int>({1, 1, 3}));
        text->removeSelection(0);
        QCOMPARE(text->selectionCount(), 0);
        face->editableTextInterface()->replaceText(1, 3, "9");
        face->editableTextInterface()->insertText(0, "-");
        face->editableTextInterface()->deleteText(3, 4);
        QCOMPARE(texts({"Field"}), QStringList({"-19"}));
    }

    void text_box_draws_what_its_chinese_face_lacks_from_another_face() {
        QVERIFY(!QRawFont::fromFont(control("Field")->font()).supportsCharacter(0x20AC));  // the Kai face has no euro sign
        type("Field", "5€");
        QVERIFY(QFontMetrics(control("Field")->font()).inFontUcs4(0x20AC));
    }

    void caption_is_drawn_smaller_or_as_a_single_mark_rather_than_cut() {
        window->form().setCaption(u"Narrow", "12345");
        QCOMPARE(control<FittedLabel>("Narrow")->shownLines(), QStringList({"#"}));
        window->form().setCaption(u"Blue", "L");  // inks the left column, to which its line is aligned
        QVERIFY(control<FittedLabel>("Blue")->shownAsDesigned());
        window->form().setCaption(u"Blue", "蓝色)");  // the bracket's tail reaches the bottom row at 16 px
        const QImage shot = window->grab().toImage();
        const QRect box(control("Blue")->mapTo(window.get(), QPoint()), control("Blue")->size());
        QVERIFY(!runtime::testing::inkOnEdges(shot, QTransform::fromScale(shot.devicePixelRatio(), shot.devicePixelRatio()).mapRect(box), qRgb(0xE0, 0xE0, 0xE0), true));
    }

    void result_is_selected_with_the_mouse_and_copied_but_never_tabbed_to() {
        runtime::installQtTranslation(*qApp);
        window->form().setCaption(u"Result", "12.5");  // drawn from x = 14, 7 px a digit
        const int y = result()->height() * 3 / 4;  // below the figure's line, as well as on it
        // The columns drawn in the theme's highlight, in logical pixels.
        const auto highlighted = [this] {
            const QImage shot = result()->grab().toImage();
            const QRgb colour = result()->palette().color(QPalette::Highlight).rgb();
            int first = -1, last = -1;
            for (int x = 0; x < shot.width(); ++x) {
                if ((shot.pixel(x, shot.height() / 2) | 0xFF000000) == colour) last = x, first = first < 0 ? x : first;
            }
            return first < 0 ? QString() : QString("%1 to %2").arg(first / shot.devicePixelRatio()).arg((last + 1) / shot.devicePixelRatio());
        };
        // Dragged from the right half of its "1" to the left half of its "5": "2.", highlighted alone.
        QTest::mousePress(result(), Qt::LeftButton, {}, QPoint(19, y));
        QMouseEvent drag(QEvent::MouseMove, QPointF(37, y), result()->mapToGlobal(QPointF(37, y)), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(result(), &drag);
        QTest::mouseRelease(result(), Qt::LeftButton, {}, QPoint(37, y));
        QCOMPARE(focused(), QStringLiteral("Result"));
        QCOMPARE(highlighted(), QStringLiteral("21 to 35"));
        // A right press keeps the selection for the menu it opens to copy.
        QTest::mouseClick(result(), Qt::RightButton, {}, QPoint(5, y));
        QCOMPARE(menuOf(result(), 0), QStringList({"复制(&C)", "全选"}));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("2."));
        QTest::keyClick(result(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(result(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("12.5"));
        // The selection is let go when the focus moves on, and Tab goes round by tab index,
        // past the result.
        control("Field")->setFocus();
        QCOMPARE(highlighted(), QString());
        verifyTabCycle({"Third", "Second", "Field"});
        // A figure drawn as the mark is copied whole.
        window->form().setCaption(u"Result", kTooLong);
        QTest::mouseDClick(result(), Qt::LeftButton, {}, QPoint(20, y));
        QCOMPARE(highlighted(), QStringLiteral("3 to 53"));  // seven marks of 7 px centred: 3.5 to 52.5
        QTest::keyClick(result(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), kTooLong.trimmed());
        // A caption that is not a result cannot be selected.
        QTest::mouseDClick(control("OnPanel"), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(control<FittedLabel>("OnPanel")->selectedText(), QString());
    }
};

QTEST_MAIN(BuilderTest)
#include "builder_test.moc"
