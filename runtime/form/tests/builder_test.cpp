// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QRawFont>

namespace {

using namespace runtime::design;
using runtime::FittedLabel;

constexpr Font kKai10{"楷体_GB2312", 10.5, 400, 134};    // 14 px; its digits are 7 px wide
constexpr Font kKai12{"楷体_GB2312", 12, 400, 134};      // 16 px: "蓝色" inks its box's top row and the row above its bottom
constexpr Font kTimes12{"Times New Roman", 12, 700, 0};  // a bold Western face, which has no Chinese characters
constexpr Colour kGrey = 0x00E0E0E0, kCyan = 0x00FFFFC0, kBlue = 0x00FF0000;

constexpr Control kControls[] = {
    {"Field", Kind::TextBox, "Form1", 1500, 1950, 1210, 300, 6, "", kKai10, standard},
    {"Panel", Kind::Frame, "Form1", 150, 150, 2850, 1800, 0, "面板", kKai10, background(kGrey)},
    {"OnPanel", Kind::Label, "Panel", 150, 300, 1200, 300, 1, "说明", kKai10, transparent},
    {"Blue", Kind::Label, "Panel", 1500, 300, 1200, 240, 2, "蓝色", kKai12, transparent.withText(kBlue)},
    {"Result", Kind::Label, "Panel", 150, 900, 840, 435, 3, "", kKai10, background(kCyan).centred()},
    {"Themed", Kind::Label, "Form1", 0, 1950, 1200, 300, 4, "主题", kKai10, standard},
    {"Second", Kind::TextBox, "Form1", 0, 2400, 1200, 300, 5, "", kKai10, standard},
    {"Behind", Kind::Label, "Form1", 0, 2385, 1215, 330, 12, "", kKai10, background(kBlue)},  // the panel round "Second", next beneath it
    {"Third", Kind::TextBox, "Form1", 1500, 2400, 1200, 300, 7, "", kKai10, standard},
    {"Western", Kind::Label, "Form1", 0, 2700, 1400, 300, 8, "存期：12", kTimes12, transparent},
    {"WesternField", Kind::TextBox, "Form1", 1500, 2700, 1200, 300, 9, "", kTimes12, standard},
    {"Coloured", Kind::TextBox, "Form1", 0, 3000, 1200, 300, 10, "", kKai10, background(kCyan).withText(kBlue)},
    {"Sum", Kind::Label, "Form1", 1500, 3000, 1200, 300, 11, "", kKai10, standard},
    {"Ghost", Kind::Label, "Form1", 1500, 2400, 1200, 300, 13, "", kKai10, transparent},  // the form shows through round "Third"
};

constexpr AccessibleName kNames[] = {{"Result", "结果"}, {"Sum", "合计"}};

constexpr Window kDesign{
    .name = "Form1",
    .title = "t",
    .border = Border::Sizable,
    .clientWidth = 3000,
    .clientHeight = 3900,
    .background = kGrey,
    .picture = {},
    .icon = {},
    .font = std::nullopt,
    .controls = kControls,
    .accessibleNames = kNames,
};

// Counts the closes a window receives, as its close box sends one.
struct Closes : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override { return count += event->type() == QEvent::Close, false; }
};

}  // namespace

class BuilderTest : public runtime::testing::WindowFixture {
    Q_OBJECT

    const QPalette platform_ = QApplication::palette();

    FittedLabel* result() const { return window->findChild<FittedLabel*>("Result"); }

    QColor colour(const char* name, QPalette::ColorRole role) const { return control(name)->palette().color(role); }

    // Opens a control's context menu and reads its items, "-" for a separator, "(off)" after one that is disabled,
    // choosing the one at `choose`; none where the control opens no menu.
    QStringList menuOf(QWidget* widget, int choose = -1) {
        QStringList items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            QList<QAction*> actions;
            for (QAction* action : menu->actions())
                actions << action, items << (action->isSeparator() ? "-" : action->text().section('\t', 0, 0) + (action->isEnabled() ? "" : " (off)"));
            if (choose >= 0) actions[choose]->trigger();
            menu->close();
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &click);      // the menu's own loop runs the look
        QTest::qWait(0);                              // where none opens
        QApplication::setActiveWindow(window.get());  // the offscreen platform leaves none active after a popup
        return items;
    }

private slots:
    void init() {
        open([] { return runtime::buildWindow(kDesign); });
    }
    void cleanup() {
        close();
        QApplication::setPalette(platform_);
    }

    void controls_sit_in_their_containers_at_15_twips_a_pixel_and_in_tab_order() {
        const auto at = [this](const char* name) { return QRect(control(name)->mapTo(window.get(), QPoint()), control(name)->size()); };
        QCOMPARE(focused(), QStringLiteral("Second"));  // the lowest tab index, not the first row
        // The label on the panel at 150 + 150 and 150 + 300 twips; 1210 twips round to 81 px.
        QCOMPARE(QList<QRect>({at("Panel"), at("OnPanel"), at("Result"), at("Field")}),
                 QList<QRect>({QRect(10, 10, 190, 120), QRect(20, 30, 80, 20), QRect(20, 70, 56, 29), QRect(100, 130, 81, 20)}));
        QVERIFY(result()->alignment() & Qt::AlignHCenter && control<QLabel>("OnPanel")->alignment() & Qt::AlignLeft);
        QCOMPARE(texts({"OnPanel", "Blue"}), QStringList({"说明", "蓝色"}));
        // A result is selectable, with the text cursor, and heard under the name of the caption beside it.
        QCOMPARE(QList<Qt::CursorShape>({result()->cursor().shape(), control("OnPanel")->cursor().shape()}),
                 QList<Qt::CursorShape>({Qt::IBeamCursor, Qt::ArrowCursor}));
        QCOMPARE(QAccessible::queryAccessibleInterface(result())->text(QAccessible::Name), QStringLiteral("结果"));
        QStringList reached;  // Tab passes results by
        for (int i = 0; i < 5; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab), reached << focused();
        QCOMPARE(reached, QStringList({"Field", "Third", "WesternField", "Coloured", "Second"}));
    }

    // Liberation Serif, standing in for Times New Roman, has no Chinese, and the Kai face no euro.
    void a_dark_theme_keeps_designed_colours_and_every_text_legible_in_a_face_that_has_it() {
        const QColor face(0x35, 0x35, 0x35), light(0xEE, 0xEE, 0xEC);
        QPalette dark;
        for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Base}) dark.setColor(role, face);
        for (const auto role : {QPalette::WindowText, QPalette::ButtonText}) dark.setColor(role, light);
        dark.setColor(QPalette::Text, QColor(0x50, 0x50, 0x50));  // illegible on the theme's own face
        QApplication::setPalette(dark);
        window->form().setCaption(u"Result", " 12.5");
        fill({"WesternField", "Field"}, {QStringLiteral("12个月"), QStringLiteral("5€")});
        QVERIFY(control("WesternField")->font().bold() && !QRawFont::fromFont(control("WesternField")->font()).supportsCharacter(U'个'));
        QVERIFY(!QRawFont::fromFont(control("Field")->font()).supportsCharacter(U'€'));
        QCOMPARE(shownWrongly(kDesign).join(" | "), QString());
        // The design's own text colour, and the theme's where it is legible, are kept.
        QCOMPARE(QList<QColor>({colour("Blue", QPalette::WindowText), colour("Themed", QPalette::WindowText), colour("Field", QPalette::Base),
                                colour("Field", QPalette::Text), colour("Coloured", QPalette::Base), colour("Coloured", QPalette::Text)}),
                 QList<QColor>({QColor(0, 0, 0xFF), light, face, QColor(Qt::white), QColor(0xC0, 0xFF, 0xFF), QColor(0, 0, 0xFF)}));
    }

    // clang-format off
    void quit_and_close_keys_close_the_window_as_its_close_box_does_data() {
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<bool>("underAMessageBox");
        QList<QKeySequence> keys{QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::CTRL | Qt::Key_W)};
        for (const auto standard : {QKeySequence::Quit, QKeySequence::Close})
            for (const QKeySequence& key : QKeySequence::keyBindings(standard)) if (!keys.contains(key)) keys << key;
        for (const QKeySequence& key : keys) {
            QTest::newRow(qPrintable(key.toString() + "_closes")) << key << false;
            QTest::newRow(qPrintable(key.toString() + "_under_a_message_box_does_nothing")) << key << true;
        }
    }
    // clang-format on
    void quit_and_close_keys_close_the_window_as_its_close_box_does() {
        QFETCH(QKeySequence, key);
        QFETCH(bool, underAMessageBox);
        Closes closes;
        window->installEventFilter(&closes);
        QMessageBox box(QMessageBox::Warning, "t", "p", QMessageBox::Ok, window.get());
        if (underAMessageBox) {
            box.setWindowModality(Qt::ApplicationModal);
            box.show();
            QApplication::setActiveWindow(&box);
        }
        QTest::keySequence(QApplication::focusWidget(), key);
        QCOMPARE(QList<int>({closes.count, window->isVisible()}), QList<int>({underAMessageBox ? 0 : 1, underAMessageBox}));
    }

    void text_box_answers_screen_readers_for_the_whole_of_its_text() {
        type("Field", "12.5");  // 7 px a character; their ink lies in columns 5 to 7, 11 to 15, 20 and 21, and 25 to 29
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control("Field"));
        QAccessibleTextInterface* text = face->textInterface();
        QVERIFY(face->state().editable && face->state().selectableText && !face->state().readOnly);
        int start = -1, end = -1, second = -1, secondEnd = -1;
        text->attributes(0, &start, &end);  // one run: the text has no attributes
        QStringList boxes;                  // x and width of each character's box, and the offset found at its corner
        for (int offset = 0; offset < 4; ++offset) {
            const QRect box = text->characterRect(offset);
            const int x = control("Field")->mapFromGlobal(box.topLeft()).x();
            boxes << QString("%1 %2 %3").arg(x).arg(box.width()).arg(text->offsetAtPoint(box.topLeft() + QPoint(1, 1)));
        }
        QCOMPARE(QStringList({face->text(QAccessible::Value), text->text(1, 3), QString("%1 to %2").arg(start).arg(end),
                              text->characterRect(4).isEmpty() ? "" : "a box past the end"}) +
                     boxes,
                 QStringList({"12.5", "2.", "0 to 4", "", "3 7 0", "10 7 1", "17 7 2", "24 7 3"}));
        text->addSelection(1, 3);
        text->selection(0, &start, &end);
        text->selection(1, &second, &secondEnd);  // a box has one selection only
        QCOMPARE(QList<int>({text->selectionCount(), start, end, second, secondEnd}), QList<int>({1, 1, 3, 0, 0}));
        text->removeSelection(0), text->setCursorPosition(1);
        QCOMPARE(QList<int>({text->selectionCount(), text->cursorPosition()}), QList<int>({0, 1}));
        face->editableTextInterface()->replaceText(1, 3, "9");
        face->editableTextInterface()->insertText(0, "-");
        face->editableTextInterface()->deleteText(3, 4);
        QCOMPARE(texts({"Field"}), QStringList({"-19"}));
    }

    void text_box_keeps_a_paste_and_a_commit_beyond_32767_characters_whole() {
        const QString digits(40000, '7');
        QGuiApplication::clipboard()->setText(digits);
        control("Field")->setFocus();
        QTest::keyClick(control("Field"), Qt::Key_V, Qt::ControlModifier);
        const qsizetype pasted = texts({"Field"})[0].size();
        QInputMethodEvent commit;
        commit.setCommitString(digits);
        QApplication::sendEvent(control("Field"), &commit);
        QCOMPARE(QList<qsizetype>({pasted, texts({"Field"})[0].size()}), QList<qsizetype>({40000, 80000}));
    }

    // Every result shown, from Ctrl+Shift+C in a field or from a result's menu, as a spreadsheet's
    // two columns: the name it is heard by and the figure alone, in the design's order.
    void copies_every_result_shown_as_its_name_and_figure_alone() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("kept");
        const auto copied = [&](bool fromTheMenu) {
            if (fromTheMenu)
                menuOf(control("Sum"), 1);
            else
                QTest::keyClick(control("Field"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            return clipboard->text() + " | " + announced();
        };
        type("Field", "5");
        const QString none = copied(false);
        window->form().setCaption(u"Sum", "12146.25元");
        const QString one = copied(false);
        window->form().setCaption(u"Result", " -.5465");
        QCOMPARE(QStringList({none, one, copied(true), texts({"Field"})[0]}),
                 QStringList({"kept | ", "合计\t12146.25 | 已复制全部结果", "结果\t-.5465\n合计\t12146.25 | 已复制全部结果", "5"}));
    }

    // What a result's menu offers, and what its first item copies; a caption that is no result opens none,
    // and an empty text box its own, in Qt's Chinese.
    // clang-format off
    void menu_offers_to_copy_what_is_selected_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("copied");
        QTest::newRow("selection_kept_by_the_right_click") << "Result" << true << QStringList{"复制(&C)", "复制全部结果", "-", "全选"} << "12.5";
        QTest::newRow("nothing_selected") << "Result" << false << QStringList{"复制(&C) (off)", "复制全部结果", "-", "全选"} << "kept";
        QTest::newRow("caption_that_is_no_result") << "OnPanel" << false << QStringList() << "kept";
        QTest::newRow("text_box_in_qts_own_chinese") << "Field" << false << QStringList{"撤消(&U) (off)", "重做(&R) (off)", "-", "剪切(&T) (off)", "复制(&C) (off)", "粘贴(&P)", "删除 (off)", "-", "全选 (off)"} << "kept";
    }
    // clang-format on
    void menu_offers_to_copy_what_is_selected() {
        QFETCH(QString, label);
        QFETCH(bool, selected);
        QFETCH(QStringList, items);
        QFETCH(QString, copied);
        window->form().setCaption(u"Result", "12.5");
        QGuiApplication::clipboard()->setText("kept");
        if (selected) QTest::keyClick(result(), Qt::Key_A, Qt::ControlModifier);
        QTest::mouseClick(control(label), Qt::RightButton, {}, QPoint(5, control(label)->height() * 3 / 4));
        QCOMPARE(menuOf(control(label), 0), items);
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }
};

// The windows under the calculators' own application object, which makes Qt's texts Chinese.
int main(int argc, char** argv) {
    runtime::Application application(argc, argv, "builder_test", "builder_test");
    BuilderTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "builder_test.moc"
