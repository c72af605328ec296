// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessible_factory.h"
#include "announcement.h"
#include "fitted_label.h"
#include "fitting.h"
#include "frame_box.h"
#include "ink.h"
#include "qt_widget_accessible.h"

#include <QAccessible>
#include <QClipboard>
#include <QPainter>
#include <QToolTip>
#include <QWindow>
#include <QtTest>
#include <QtWidgets>
#include <bit>
#include <vector>

namespace {

constexpr int kWindowSystemWaitMs = 60'000;  // a bound on a hang, not a speed

// The Kai face as the designs use it, alone. Latin letters and digits are half as wide as the
// font is high: 7 px at 14 px, 4.5 px at the floor of 9 px. Two lines need 30 px at 14 px, 27 px at 13 px.
QFont face(const char* family, int pixels) {
    QFont font;
    font.setFamilies({QString::fromLatin1(family)});
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return font;
}
QFont kai(int pixels) { return face("AR PL KaitiM GB", pixels); }

const QString kTooLong = " 1" + QString(44, '0') + ".000000";  // wider than the box at any legible size

struct Fitted {
    QSize box;
    bool centred;
    QFont font;
    QString caption;
    QStringList lines;
    int pixels;
    bool asDesigned;
    std::vector<qreal> ratios = {1.0, 2.0};  // device pixels a pixel
};

// A label that counts its paints: a selection must show on screen, where grab() paints afresh anyway.
struct Label : runtime::FittedLabel {
    using FittedLabel::FittedLabel;
    int paints = 0;
    void paintEvent(QPaintEvent* event) override { ++paints, FittedLabel::paintEvent(event); }
};

enum class Gesture {
    Drag,
    DragAcross,
    DragAndMoveOn,
    OtherButtonsAfterSelectAll,
    SelectAll,
    DoubleClick,
    ThirdClick,
    ThirdClickADragDistanceAway,
    ClickElsewhere,
    ClickAtTheEnd,
    NewCaption
};

// Every kind of Qt widget and menu item a window, its menus and its message boxes show, as twins:
// one answered by the interfaces that count the bridge's pixels, as where Qt scales a screen, one by Qt's own.
struct Twin {
    std::unique_ptr<QDialog> window = std::make_unique<QDialog>();
    std::unique_ptr<QMenu> menu = std::make_unique<QMenu>("菜单");
    std::unique_ptr<QMessageBox> box = std::make_unique<QMessageBox>(QMessageBox::Warning, "", "本金应为正数！", QMessageBox::Ok);
    QStringList leftToQt;  // the classes the bridge's interfaces leave to Qt's own
    QList<QObject*> tops() const { return {window.get(), menu.get(), box.get()}; }

    explicit Twin(bool bridged) {
        auto* layout = new QVBoxLayout(window.get());
        const auto add = [layout](auto* widget) { return layout->addWidget(widget), widget; };
        add(new QPushButton("计算(&C)"))->setDefault(true);
        add(new QPushButton("R&&D&"))->setCheckable(true);
        add(new QLabel("本金(&P):"))->setBuddy(add(new QLineEdit));
        add(new QLabel)->setPixmap(QPixmap(8, 8));
        add(new QLabel("a<b>"))->setTextFormat(Qt::PlainText);
        auto* group = add(new QGroupBox("结果(&R)"));
        (new QVBoxLayout(group))->addWidget(new QLabel("<b>100</b> 元"));
        add(new QGroupBox("选&项"))->setCheckable(true);
        add(new QFrame)->setFrameShape(QFrame::HLine);
        add(new QWidget);
        box->setInformativeText("请重新输入");
        menu->setWindowTitle("右键菜单");
        menu->addAction("复制(&C)", QKeySequence::Copy, [] {});
        menu->addSeparator(), menu->addAction("全选(&A)")->setEnabled(false);
        menu->addAction("已选")->setCheckable(true), menu->addMenu("更多(&M)")->addAction("其他");
        // In place of any Qt made as the widgets were built, as the factory answers where a screen is scaled.
        for (QObject* top : bridged ? tops() : QList<QObject*>()) {
            const QList<QObject*> objects = top->findChildren<QObject*>() << top;
            for (QObject* object : objects) {
                auto* widget = qobject_cast<QWidget*>(object);
                auto* action = qobject_cast<QAction*>(object);
                QAccessibleInterface* face = action   ? runtime::menuItemAccessible(action)
                                             : widget ? runtime::qtWidgetAccessible(widget->metaObject()->className(), widget)
                                                      : nullptr;
                if (face)
                    QAccessible::registerAccessibleInterface(face);
                else if (QAccessible::queryAccessibleInterface(object))
                    leftToQt << object->metaObject()->className();
            }
        }
    }
};

// What a screen reader learns of an interface and all below it, a line each, walking them as it does.
void describe(QAccessibleInterface* face, const QString& path, QStringList& out) {
    const auto bits = std::bit_cast<quint64>(face->state());
    const QRect r = face->rect();
    const auto* widget = qobject_cast<const QWidget*>(face->object());
    QString line;
    QTextStream seen(&line);
    seen << path << " role " << face->role() << " state " << Qt::hex << bits << Qt::dec << " valid " << face->isValid() << " at " << r.x() << ',' << r.y()
         << ' ' << r.width() << 'x' << r.height() << " in " << (face->window() ? face->window()->objectName() : "no window") << " focus "
         << (widget && widget->window()->focusWidget() == widget) << " texts";
    for (const auto kind : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help, QAccessible::Accelerator})
        seen << " |" << face->text(kind);
    for (const auto& [other, relation] : face->relations() + face->relations(QAccessible::Label))
        seen << " relation " << relation << ' ' << other->text(QAccessible::Name);
    if (QAccessibleActionInterface* act = face->actionInterface())
        for (const QString& name : act->actionNames()) seen << " action " << name << '=' << act->keyBindingsForAction(name).join(',');
    if (QAccessibleInterface* parent = face->parent())
        seen << " parent " << parent->text(QAccessible::Name) << ", which is no child: " << face->indexOfChild(parent);
    seen << ' ' << face->childCount() << " children, none after " << !face->child(face->childCount());
    seen.flush();
    out << line;
    for (int i = 0; i < face->childCount(); ++i) {
        QAccessibleInterface* child = face->child(i);
        const QPoint centre = child->rect().center();
        QAccessibleInterface* hit = face->childAt(centre.x(), centre.y());
        out << QString("%1/%2 at %3, hit %4").arg(path).arg(i).arg(face->indexOfChild(child)).arg(hit ? hit->text(QAccessible::Name) : "none");
        if (child->parent() && child->parent()->object() == face->object()) describe(child, path + '/' + QString::number(i), out);
    }
}

// Each action of every interface done twice in turn, as a second press undoes a toggle, and what each leaves.
void doEveryAction(const Twin& twin, QStringList& out) {
    for (QObject* object : twin.window->findChildren<QObject*>() + twin.menu->findChildren<QObject*>()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
        if (QAccessibleActionInterface* act = face ? face->actionInterface() : nullptr)
            for (const QString& name : act->actionNames() + act->actionNames()) act->doAction(name), describe(face, name, out);
    }
}

}  // namespace

Q_DECLARE_METATYPE(Fitted)
Q_DECLARE_METATYPE(Gesture)

class WidgetsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    Label* label(const QString& name) const { return window->findChild<Label*>(name); }

    // Clicks and drags at three quarters of the height: below the figure's line, as well as on it; a drag
    // across starts a quarter down, on the first of two lines.
    void perform(Gesture gesture, Label* on) {
        const int y = on->height() * 3 / 4, away = 20 + QApplication::startDragDistance();
        switch (gesture) {
        case Gesture::Drag:
        case Gesture::DragAcross: {  // each step awaits its repaint, as the window on screen shows it
            const int from = gesture == Gesture::Drag ? 19 : 1, to = gesture == Gesture::Drag ? 37 : on->width() - 2;
            on->paints = 0, QTest::mousePress(on, Qt::LeftButton, {}, QPoint(from, gesture == Gesture::Drag ? y : on->height() / 4));
            QVERIFY(QTest::qWaitFor([&] { return on->paints > 0; }, kWindowSystemWaitMs));  // taking the focus
            QMouseEvent drag(QEvent::MouseMove, QPointF(to, y), on->mapToGlobal(QPointF(to, y)), Qt::NoButton, Qt::LeftButton, {});
            on->paints = 0, QApplication::sendEvent(on, &drag);
            QVERIFY2(QTest::qWaitFor([&] { return on->paints > 0; }, kWindowSystemWaitMs), "not repainted with the selection");
            return QTest::mouseRelease(on, Qt::LeftButton, {}, QPoint(to, y));
        }
        case Gesture::OtherButtonsAfterSelectAll:  // straight to the label: the window would open its menu on a press
            perform(Gesture::SelectAll, on);
            for (const auto& [type, button, held] :
                 {std::tuple{QEvent::MouseMove, Qt::NoButton, Qt::RightButton}, {QEvent::MouseButtonRelease, Qt::MiddleButton, Qt::NoButton}}) {
                QMouseEvent event(type, QPointF(37, y), on->mapToGlobal(QPointF(37, y)), button, held, {});
                QApplication::sendEvent(on, &event);
            }
            return;
        case Gesture::DragAndMoveOn: return perform(Gesture::Drag, on), label("Words")->setFocus();
        case Gesture::SelectAll: return QTest::keyClick(on, Qt::Key_A, Qt::ControlModifier);
        case Gesture::DoubleClick: return QTest::mouseDClick(on, Qt::LeftButton, {}, QPoint(20, y));
        case Gesture::ThirdClick: return perform(Gesture::DoubleClick, on), QTest::mouseClick(on, Qt::LeftButton, {}, QPoint(20, y));
        case Gesture::ThirdClickADragDistanceAway: return perform(Gesture::DoubleClick, on), QTest::mouseClick(on, Qt::LeftButton, {}, QPoint(away, y));
        case Gesture::ClickElsewhere: return perform(Gesture::DoubleClick, on), QTest::mouseClick(on, Qt::LeftButton, {}, QPoint(40, y));
        case Gesture::ClickAtTheEnd: return perform(Gesture::SelectAll, on), QTest::mouseClick(on, Qt::LeftButton, {}, QPoint(on->width() - 2, y));
        case Gesture::NewCaption: return perform(Gesture::SelectAll, on), on->setCaption("8");
        }
    }

    // The columns of a label drawn in the theme's highlight, in logical pixels, or "" where none is;
    // and whether any ink on them is in the label's text colour, not the highlighted text colour.
    static QString highlighted(QWidget* label) {
        const QImage shot = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPalette& theme = label->palette();
        int first = -1, last = -1;
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, shot.height() / 2) == theme.color(QPalette::Highlight).rgb()) last = x, first = first < 0 ? x : first;
        if (first < 0) return QString();
        QRegion band;
        for (int y = 0; y < shot.height(); ++y)
            band += shot.pixel(last, y) == theme.color(QPalette::Highlight).rgb() ? QRect(first, y, last + 1 - first, 1) : QRect();
        const bool unhighlighted = runtime::testing::colourCounts(shot, band).contains(theme.color(QPalette::WindowText).rgb());
        const qreal r = shot.devicePixelRatio();
        return QString("%1 to %2%3").arg(first / r).arg((last + 1) / r).arg(unhighlighted ? " in the text colour" : "");
    }

private slots:
    void initTestCase() { runtime::installAccessibility(); }
    // clang-format off
    void caption_is_placed_by_the_first_way_that_shows_it_whole_data() {
        QTest::addColumn<Fitted>("row");
        const QSize figure(56, 29), words(56, 33);
        // Its own size and breaks. 9 characters of 7 px are 63 px: the blank goes, and the 56 px
        // left fill the box exactly, as designed where the ink stays clear of its sides.
        QTest::newRow("blank_dropped_not_the_size") << Fitted{figure, true, kai(14), " 11.93161", QStringList{"11.93161"}, 14, true};
        QTest::newRow("short_figure_as_written") << Fitted{figure, true, kai(14), " 5", QStringList{" 5"}, 14, true};
        // Nine blanks are wider than the box: a break after them would leave them a line alone,
        // in a box that has room for two lines.
        QTest::newRow("blanks_a_break_leaves_alone_dropped") << Fitted{words, false, kai(14), QString(9, ' ') + "5", QStringList{"5"}, 14, true};
        QTest::newRow("broken_between_words_at_its_own_size") << Fitted{words, false, kai(14), "yearly rate", QStringList{"yearly ", "rate"}, 14, true};
        // Ink on a column the line is not aligned to: one size smaller, 52 px, clears it.
        QTest::newRow("ink_on_the_right_column_drawn_smaller") << Fitted{figure, true, kai(14), " 1.931694", QStringList{"1.931694"}, 13, false};
        QTest::newRow("ink_on_the_left_column_drawn_smaller") << Fitted{figure, true, kai(14), " 41.93161", QStringList{"41.93161"}, 13, false};
        QTest::newRow("ink_on_the_right_of_a_left_aligned_line_drawn_smaller") << Fitted{words, false, kai(14), "1.931694", QStringList{"1.931694"}, 13, false};
        QTest::newRow("ink_on_the_column_it_is_aligned_to_kept") << Fitted{words, false, kai(14), "41.93161", QStringList{"41.93161"}, 14, true};
        // At 16 px the line fills the box and the underscores ink its bottom row; at 15 px it leaves a row clear.
        QTest::newRow("ink_on_the_bottom_row_drawn_smaller") << Fitted{QSize(80, 16), false, kai(16), "金额__元", QStringList{"金额__元"}, 15, false};
        // Smaller on one line, before broken between words: "principal " would fit at 12 px.
        // 10 characters fit one line of 56 px at 11 px, and 12 only at the floor, 9 px.
        QTest::newRow("smaller_on_one_line") << Fitted{figure, true, kai(14), " 113.825691", QStringList{"113.825691"}, 11, false};
        QTest::newRow("words_smaller_on_one_line_down_to_the_floor") << Fitted{words, false, kai(14), "principal 55", QStringList{"principal 55"}, 9, false};
        // Broken between words, before broken inside one: a word of 9 letters is wider than the box
        // down to 13 px; broken anywhere, 8 letters a line fit at 13 px.
        QTest::newRow("broken_between_words_when_smaller") << Fitted{words, false, kai(14), "principal sum", QStringList{"principal ", "sum"}, 12, false};
        // Its blanks dropped, it would fit broken at its own size; drawn otherwise than designed, it
        // is broken one size smaller, never larger: 15 characters are too many for one line at 9 px.
        QTest::newRow("blanks_dropped_and_broken_one_size_smaller") << Fitted{words, false, kai(14), QString(9, ' ') + "monthly deposit", QStringList{"monthly ", "deposit"}, 13, false};
        // Words of 12 letters, 60 px at 10 px and 54 px at 9 px, fit a line each only at the floor.
        QTest::newRow("broken_between_words_at_the_floor") << Fitted{words, false, kai(14), "abcdefghijkl abcdefghijkl", QStringList{"abcdefghijkl ", "abcdefghijkl"}, 9, false};
        // Broken anywhere: a figure has no break between its digits, and 14 digits need 63 px at 9 px.
        QTest::newRow("broken_anywhere_at_its_own_size") << Fitted{words, false, kai(14), "1594921.183121", QStringList{"1594921.", "183121"}, 14, false};
        // 30 digits fit only at 9 px, 4.5 px a digit, on three lines.
        QTest::newRow("broken_anywhere_at_the_floor") << Fitted{figure, true, kai(14), " " + QString(30, '7'), QStringList{QString(12, '7'), QString(12, '7'), QString(6, '7')}, 9, false};
        // The mark: as many as the box holds at the caption's own size, (56 - 2) / 7 of them; in a box
        // narrower than one, at the floor.
        QTest::newRow("too_long_even_broken") << Fitted{figure, true, kai(14), kTooLong, QStringList{"#######"}, 14, false};
        QTest::newRow("marks_to_a_pixel_of_either_side") << Fitted{QSize(51, 29), true, kai(14), kTooLong, QStringList{"#######"}, 14, false};
        QTest::newRow("a_single_mark") << Fitted{QSize(10, 20), false, kai(14), "12345", QStringList{"#"}, 14, false};
        QTest::newRow("a_single_mark_at_the_floor") << Fitted{QSize(6, 20), false, kai(14), "12345", QStringList{"#"}, 9, false};
        // A glyph drawn beyond its advance: Liberation Serif's "j" inks left of a left-aligned
        // line's start at every size, so only the mark shows whole: (56 - 2) / 8 of its 8 px "#".
        QTest::newRow("ink_left_of_the_line_it_is_aligned_to") << Fitted{words, false, face("Liberation Serif", 16), "jet", QStringList{"######"}, 16, false};
        // DejaVu Sans's comma above right inks beyond where the line ends: onto a box of 10's last column down to 13 px.
        QTest::newRow("ink_right_of_the_last_advance_drawn_smaller") << Fitted{QSize(10, 20), false, face("DejaVu Sans", 14), "5\u0315", QStringList{"5\u0315"}, 12, false, {1.0}};
        // DejaVu Sans draws a dot above with nothing under it 5 to 2 px left of where it stands at 14 px,
        // and nearer at smaller sizes, but always left of the box: (56 - 2) / 11.7 of its 11.7 px "#".
        QTest::newRow("ink_only_3_px_left_of_the_box") << Fitted{words, false, face("DejaVu Sans", 14), "\u0307" "5", QStringList{"####"}, 14, false};
        // Lines are a leading apart: two lines of Liberation Serif at 16 px take 2 x 17.73 + 0.69 px,
        // more than the box's 36; at 15 px each word of 48.3 px fits a line.
        QTest::newRow("leading_between_lines_counted") << Fitted{QSize(56, 36), false, face("Liberation Serif", 16), "mamma summer", QStringList{"mamma ", "summer"}, 15, false};
        QTest::newRow("blanks_laid_out_as_they_are") << Fitted{figure, true, kai(14), "   ", QStringList{"   "}, 14, true};
        // Ink on a side column is judged in device pixels: eight 9s fill the box exactly and ink its
        // first and last column at one device pixel a pixel, but clear the outermost device columns at two.
        QTest::newRow("edge_inked_at_one_device_pixel_a_pixel") << Fitted{figure, true, kai(14), " 99999999", QStringList{"99999999"}, 13, false, {1.0}};
        QTest::newRow("edge_clear_at_two_device_pixels_a_pixel") << Fitted{figure, true, kai(14), " 99999999", QStringList{"99999999"}, 14, true, {2.0}};
    }
    // clang-format on
    void caption_is_placed_by_the_first_way_that_shows_it_whole() {
        QFETCH(Fitted, row);
        const auto& [box, centred, font, caption, lines, pixels, asDesigned, ratios] = row;
        const Qt::Alignment alignment = (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
        for (const qreal ratio : ratios) {
            const runtime::CaptionLayout drawn = runtime::fitCaption(caption, box, font, alignment, ratio);
            QCOMPARE(drawn.lineTexts(), lines);
            QCOMPARE(drawn.font().pixelSize(), pixels);
            QCOMPARE(QList<bool>({drawn.asDesigned, drawn.tooLong}), QList<bool>({asDesigned, lines[0].startsWith('#')}));
            // Drawn on paper with room around the box, no ink falls outside it or on its edges.
            QImage shot(QSize(box.width() + 6, box.height() + 6) * ratio, QImage::Format_RGB32);
            shot.setDevicePixelRatio(ratio);
            shot.fill(Qt::white);
            {
                QPainter painter(&shot);
                painter.setPen(Qt::black);
                drawn.lines->draw(&painter, QPointF(3, 3));
            }
            const QRect inside(QPoint(3, 3) * ratio, box * ratio);
            const QRegion around = QRegion(shot.rect()) - inside;
            QVERIFY2(runtime::testing::colourCounts(shot, around).size() == 1, "ink beyond the box");
            QVERIFY2(!runtime::testing::inkOnEdges(shot, inside, qRgb(255, 255, 255), !centred), "ink on the box's edges");
        }
    }

    // Eight 9s ink the box's side columns at one device pixel a pixel, not at two (see the rows above);
    // at 12 px they fit the box with their blank, 9 x 6 px of its 56, and a box of 20 px not as designed.
    void caption_is_fitted_again_for_other_pixels_font_alignment_or_box() {
        runtime::FittedLabel label;
        label.setFont(kai(14)), label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label.resize(56, 29), label.setCaption(" 99999999"), label.show();
        QList<int> shown{label.shownFont().pixelSize()};
        label.windowHandle()->setScreen(QGuiApplication::screens().at(1));
        QTRY_COMPARE(label.devicePixelRatioF(), 2.0);
        shown << label.shownFont().pixelSize();
        label.setFont(kai(12));
        shown << label.shownFont().pixelSize() << label.shownAsDesigned();
        const QImage centred = label.grab().toImage();
        label.setAlignment(Qt::AlignLeft | Qt::AlignTop), shown << (label.grab().toImage() != centred);
        label.resize(20, 29);
        QCOMPARE(shown << label.shownAsDesigned(), QList<int>({13, 14, 12, true, true, false}));
    }

    // A result's box, a box for two lines, and a caption that is no result, as the builder makes them.
    void init() {
        window = std::make_unique<QWidget>();
        const struct {
            const char* name;
            QRect box;
            Qt::Alignment alignment;
            bool selectable;
        } labels[] = {{"Result", QRect(10, 10, 56, 29), Qt::AlignHCenter, true},
                      {"Words", QRect(10, 50, 56, 33), Qt::AlignLeft, true},
                      {"Caption", QRect(10, 90, 80, 20), Qt::AlignLeft, false}};
        for (const auto& [name, box, alignment, selectable] : labels) {
            auto* label = new Label(window.get());
            label->setObjectName(name), label->setFont(kai(14)), label->setGeometry(box);
            label->setAlignment(alignment | Qt::AlignTop), label->setSelectable(selectable);
        }
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get(), kWindowSystemWaitMs));
    }
    void cleanup() { window.reset(); }

    // What a gesture on a caption leaves selected, and so highlighted, which Ctrl+C copies where the
    // caption is selectable and X11's middle button pastes where the mouse let it go; "kept" stays
    // where nothing is copied. A result's box is 56 px wide, at 7 px a digit or blank and 14 px a
    // Chinese character: " -7.0元" is drawn from 3.5, as the mark's seven "#" are, "12.5" and "说明"
    // from 14. The box for two lines draws "principal sum" at 12 px, 6 px a letter, as "principal "
    // over "sum".
    // clang-format off
    void gesture_selects_what_ctrl_c_copies_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("highlight");
        QTest::addColumn<QString>("pasted");
        const QString figure = QStringLiteral(" -7.0元");
        // From the right half of the "1" to the left half of the "5".
        QTest::newRow("drag_from_inside_one_digit_to_inside_another") << "Result" << "12.5" << Gesture::Drag << "2." << "21 to 35" << "2.";
        QTest::newRow("other_buttons_neither_drag_nor_copy_for_pasting") << "Result" << "12.5" << Gesture::OtherButtonsAfterSelectAll << "12.5" << "14 to 42" << "kept";
        QTest::newRow("select_all_leaves_out_the_sign_blank") << "Result" << figure << Gesture::SelectAll << "-7.0元" << "3 to 53" << "kept";
        QTest::newRow("double_click_selects_the_figure_alone") << "Result" << figure << Gesture::DoubleClick << "-7.0" << "10 to 39" << "kept";
        QTest::newRow("double_click_on_words_alone_selects_them_whole") << "Result" << QStringLiteral("说明") << Gesture::DoubleClick << QStringLiteral("说明") << "14 to 42" << "kept";
        QTest::newRow("third_click_selects_the_whole_caption") << "Result" << figure << Gesture::ThirdClick << "-7.0元" << "3 to 53" << "-7.0元";
        // As in Qt's own texts, a click as far from the double click as a drag must go is a click of its own.
        QTest::newRow("third_click_a_drag_distance_away_selects_nothing") << "Result" << figure << Gesture::ThirdClickADragDistanceAway << "" << "" << "kept";
        QTest::newRow("click_at_the_end_of_a_selection_lets_it_go") << "Result" << figure << Gesture::ClickAtTheEnd << "" << "" << "kept";
        QTest::newRow("new_caption_is_not_selected") << "Result" << figure << Gesture::NewCaption << "" << "" << "kept";
        QTest::newRow("selection_let_go_as_the_focus_moves_on") << "Result" << "12.5" << Gesture::DragAndMoveOn << "" << "" << "2.";
        QTest::newRow("mark_is_selected_as_the_whole_figure") << "Result" << kTooLong << Gesture::DoubleClick << kTooLong.trimmed() << "3 to 53" << "kept";
        QTest::newRow("click_elsewhere_after_a_double_click_selects_nothing") << "Result" << kTooLong << Gesture::ClickElsewhere << "" << "" << "kept";
        QTest::newRow("caption_that_is_no_result_selects_nothing") << "Caption" << figure << Gesture::DoubleClick << "" << "" << "kept";
        QTest::newRow("drag_from_the_first_line_across_the_second_selects_both") << "Words" << "principal sum" << Gesture::DragAcross << "principal sum" << "0 to 18" << "principal sum";
    }
    // clang-format on
    void gesture_selects_what_ctrl_c_copies() {
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QFETCH(Gesture, gesture);
        QFETCH(QString, selected);
        QFETCH(QString, highlight);
        QFETCH(QString, pasted);
        Label* on = this->label(label);
        on->setCaption(caption);
        QClipboard* clipboard = QGuiApplication::clipboard();
        for (const auto mode : {QClipboard::Clipboard, QClipboard::Selection}) clipboard->setText("kept", mode);
        perform(gesture, on);
        QTest::keyClick(on, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QStringList({on->selectedText(), highlighted(on), clipboard->text(), clipboard->text(QClipboard::Selection)}),
                 QStringList({selected, highlight, selected.isEmpty() ? "kept" : selected, clipboard->supportsSelection() ? pasted : QString()}));
    }

    // Screen readers read the caption itself, whatever the box shows, and hear of no selection or
    // caret; a caption drawn otherwise than designed is shown whole on hover.
    // clang-format off
    void caption_is_heard_and_hovered_whole_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("asDesigned");
        QTest::newRow("as_designed") << " 11.93161" << true;
        QTest::newRow("drawn_smaller") << " 1.931694" << false;
        QTest::newRow("too_long_even_broken") << kTooLong << false;
    }
    // clang-format on
    void caption_is_heard_and_hovered_whole() {
        QFETCH(QString, caption);
        QFETCH(bool, asDesigned);
        Label* result = label("Result");
        result->setCaption(caption);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(result);
        QAccessibleTextInterface* text = face->textInterface();
        int start = -1, end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(QStringList({face->text(QAccessible::Name), text->text(0, text->characterCount()), text->text(1, 3), face->text(QAccessible::Value),
                              QString("caret at %1, %2 selected, from %3 to %4").arg(text->cursorPosition()).arg(text->selectionCount()).arg(start).arg(end)}),
                 QStringList({caption, caption, caption.mid(1, 2), caption, "caret at 0, 0 selected, from 0 to 0"}));
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), result->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(result, &hover);
        QTRY_COMPARE_WITH_TIMEOUT(QToolTip::text(), asDesigned ? QString() : caption, kWindowSystemWaitMs);
    }

    // The etched border, from its pixels: the dark line outside and the light line inside on every
    // side, the top ones through the middle of the caption, which stands 10 px in and breaks them
    // from 2 px before it to 2 px after.
    void frame_is_etched_with_its_caption_set_into_its_line() {
        const QColor face(0xE0, 0xE0, 0xE0), dark(0x80, 0x80, 0x80), light(Qt::white);
        runtime::FrameBox frame(QStringLiteral("面板"));
        frame.setPalette(QPalette(Qt::black, face, light, dark, dark, Qt::black, Qt::white, face, face));
        frame.setFont(kai(14));
        frame.resize(190, 120);
        const QImage shot = frame.grab().toImage();
        const int r = static_cast<int>(shot.devicePixelRatio()), middle = shot.height() / 2, advance = 28;  // two characters of 14 px
        const auto at = [&](int x, int y) { return QColor(shot.pixel(x, y)); };
        int line = 0, inkTop = shot.height(), inkBottom = 0;
        while (line < shot.height() && at(shot.width() - 6 * r, line) != dark) ++line;
        for (int y = 0; y < 20 * r; ++y)
            for (int x = 10 * r; x < (10 + advance) * r; ++x)
                if (at(x, y) != face) inkTop = std::min(inkTop, y), inkBottom = std::max(inkBottom, y);
        QVERIFY2(std::abs((line - inkTop) - (inkBottom - line)) <= 2 * r, qPrintable(QString("line %1, ink %2 to %3").arg(line).arg(inkTop).arg(inkBottom)));
        QString top, inner;  // "-" for each logical column of the dark and light lines, " " for the caption's gap
        for (int x = 1; x < 16 + advance; ++x) top += at(x * r, line) == dark ? '-' : ' ', inner += at(x * r, line + r) == light ? '-' : ' ';
        QCOMPARE(QStringList({top, inner}), QStringList(2, QString(7, '-') + QString(advance + 4, ' ') + "----"));
        QCOMPARE(QList<QColor>({at(0, middle), at(shot.width() - 2 * r, middle), at(shot.width() / 2, shot.height() - 2 * r), at(r, middle),
                                at(shot.width() - 6 * r, line + r)}),
                 QList<QColor>({dark, dark, dark, light, light}));
    }

    // Said, it shows and is named by what it says, so screen readers speak it; withdrawn, it is
    // hidden and named by nothing, so nothing old is left to be read again.
    void announcement_is_heard_while_it_shows_and_then_forgotten() {
        runtime::Announcement announcement(window.get());
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&announcement);
        const auto heard = [face] { return face->text(QAccessible::Name) + (face->state().invisible ? " (hidden)" : ""); };
        QStringList steps{heard()};
        announcement.say(QStringLiteral("本利和：12146.25元"));
        steps << heard();
        announcement.withdraw();
        QCOMPARE(steps << heard(), QStringList({" (hidden)", QStringLiteral("本利和：12146.25元"), " (hidden)"}));
    }
    // Screen readers told of Qt's widgets, menus and message boxes as by Qt's own interfaces, in the
    // bridge's pixels where Qt scales the screen: all but a plain widget and a field, which no window shows.
    void qt_widgets_are_heard_as_qts_own_interfaces_tell_of_them() {
        Twin bridged(true), qts(false);
        QStringList seen[2];
        for (Twin* twin : {&bridged, &qts}) {
            for (QWidget* top : std::initializer_list<QWidget*>{twin->window.get(), twin->box.get()}) top->move(40, 40), top->show();
            twin->menu->popup(QPoint(500, 40));  // one menu open at a time, as windows open them
            QVERIFY(QTest::qWaitForWindowExposed(twin->menu.get()));
            for (QObject* top : twin->tops()) describe(QAccessible::queryAccessibleInterface(top), top->metaObject()->className(), seen[twin == &qts]);
            doEveryAction(*twin, seen[twin == &qts]);  // and then after each action of every interface
            for (QObject* top : twin->tops()) describe(QAccessible::queryAccessibleInterface(top), top->metaObject()->className(), seen[twin == &qts]);
            twin->menu->close();
        }
        QCOMPARE(bridged.leftToQt, QStringList({"QLineEdit", "QWidget"}));
        QCOMPARE(seen[0], seen[1]);
        // An item taken out of its menu is no longer valid, nor anywhere.
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(bridged.menu->actions()[0]);
        bridged.menu->removeAction(bridged.menu->actions()[0]);
        QCOMPARE(QList<bool>({item->isValid(), item->rect().isNull(), item->window() == nullptr}), QList<bool>({false, true, true}));
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
