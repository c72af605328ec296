// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fitted_label.h"
#include "fitting.h"
#include "ink.h"

#include <QPainter>
#include <QWindow>
#include <QtTest>
#include <vector>

namespace {

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

}  // namespace

Q_DECLARE_METATYPE(Fitted)

class FittingTest : public QObject {
    Q_OBJECT

private slots:
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
        // 10 characters fit one line of 56 px at 11 px, and 11 at 10 px.
        QTest::newRow("smaller_on_one_line") << Fitted{figure, true, kai(14), " 113.825691", QStringList{"113.825691"}, 11, false};
        QTest::newRow("words_smaller_on_one_line") << Fitted{words, false, kai(14), "principal 5", QStringList{"principal 5"}, 10, false};
        // Broken between words, before broken inside one: a word of 9 letters is wider than the box
        // down to 13 px; broken anywhere, 8 letters a line fit at 13 px.
        QTest::newRow("broken_between_words_when_smaller") << Fitted{words, false, kai(14), "principal sum", QStringList{"principal ", "sum"}, 12, false};
        // Its blanks dropped, it would fit broken at its own size; drawn otherwise than designed, it
        // is broken one size smaller, never larger: 15 characters are too many for one line at 9 px.
        QTest::newRow("blanks_dropped_and_broken_one_size_smaller") << Fitted{words, false, kai(14), QString(9, ' ') + "monthly deposit", QStringList{"monthly ", "deposit"}, 13, false};
        // Broken anywhere: a figure has no break between its digits, and 14 digits need 63 px at 9 px.
        QTest::newRow("broken_anywhere_at_its_own_size") << Fitted{words, false, kai(14), "1594921.183121", QStringList{"1594921.", "183121"}, 14, false};
        // 30 digits fit only at 9 px, 4.5 px a digit, on three lines.
        QTest::newRow("broken_anywhere_at_the_floor") << Fitted{figure, true, kai(14), " " + QString(30, '7'), QStringList{QString(12, '7'), QString(12, '7'), QString(6, '7')}, 9, false};
        // The mark: as many as the box holds at the caption's own size, (56 - 2) / 7 of them; in a box
        // narrower than one, at the floor.
        QTest::newRow("too_long_even_broken") << Fitted{figure, true, kai(14), kTooLong, QStringList{"#######"}, 14, false};
        QTest::newRow("a_single_mark") << Fitted{QSize(10, 20), false, kai(14), "12345", QStringList{"#"}, 14, false};
        QTest::newRow("a_single_mark_at_the_floor") << Fitted{QSize(6, 20), false, kai(14), "12345", QStringList{"#"}, 9, false};
        // A glyph drawn beyond its advance: Liberation Serif's "j" inks left of a left-aligned
        // line's start at every size, so only the mark shows whole: (56 - 2) / 8 of its 8 px "#".
        QTest::newRow("ink_left_of_the_line_it_is_aligned_to") << Fitted{words, false, face("Liberation Serif", 16), "jet", QStringList{"######"}, 16, false};
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


    // Eight 9s ink the box's side columns at one device pixel a pixel, not at two (see the rows above).
    void caption_is_fitted_again_on_a_screen_of_other_pixels() {
        runtime::FittedLabel label;
        label.setFont(kai(14));
        label.setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label.resize(56, 29);
        label.setCaption(" 99999999");
        label.show();
        const int onTheFirst = label.shownFont().pixelSize();
        label.windowHandle()->setScreen(QGuiApplication::screens().at(1));
        QTRY_COMPARE(label.devicePixelRatioF(), 2.0);
        QCOMPARE(QList<int>({onTheFirst, label.shownFont().pixelSize()}), QList<int>({13, 14}));
    }
};

QTEST_MAIN(FittingTest)
#include "fitting_test.moc"
