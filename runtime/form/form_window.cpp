// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_window.h"

#include "fitted_label.h"
#include "fonts.h"
#include "frame_box.h"
#include "looks.h"
#include "outer_size.h"
#include "qstring_convert.h"
#include "tab_order.h"
#include "text_box.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleFactory>
#include <vector>

namespace runtime {
namespace {

using design::pixels;

// The image over a compiled picture's own pixels: nothing is decoded or copied, and Qt draws
// a picture of indexed colours through its table as it goes.
QImage imageOf(const design::Picture& picture) {
    const auto* bits = static_cast<const uchar*>(picture.pixels);
    if (picture.colours.empty()) {
        return QImage(bits, picture.width, picture.height, picture.width * 4, picture.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    }
    QImage image(bits, picture.width, picture.height, (picture.width + 3) / 4 * 4, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(picture.colours.begin(), picture.colours.end()));
    return image;
}

QWidget* makeControl(const design::Control& row, QWidget* container) {
    const QString caption = qs(row.caption);
    switch (row.kind) {
    case design::Kind::Frame: return new FrameBox(caption, container);
    case design::Kind::Label: {
        auto* label = new FittedLabel(container);
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        const Qt::Alignment across = row.look.alignment == design::Alignment::Centred ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignTop);
        return label;
    }
    case design::Kind::TextBox: return new TextBox(caption, container);
    case design::Kind::Button: {
        auto* button = new QPushButton(caption, container);
        button->setAutoDefault(false);
        return button;
    }
    case design::Kind::Image: {
        auto* image = new QLabel(container);
        if (!row.look.picture.empty()) image->setPixmap(QPixmap::fromImage(imageOf(row.look.picture.front())));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    }
    Q_UNREACHABLE();  // every kind of control is made above
    return nullptr;
}

// Ctrl+Shift+C, wherever the focus is, and each result's menu copy every result shown: a line
// each of the name screen readers hear it by, a tab and the figure alone, which a spreadsheet
// pastes as two columns.
void offerCopyOfResults(FormWindow& window, const std::vector<FittedLabel*>& results) {
    auto* copyAll = new QAction(QStringLiteral("复制全部结果"), &window);
    // Its key works from anywhere in the window, as every result carries the action.
    copyAll->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyAll->setShortcutVisibleInContextMenu(true);  // as the menu's own items show theirs
    for (FittedLabel* result : results) result->addAction(copyAll);
    QObject::connect(copyAll, &QAction::triggered, &window, [&window, results] {
        QStringList lines;
        for (const FittedLabel* result : results) {
            const QString caption = result->text();
            const QStringView figure = figureIn(caption);
            if (!figure.isEmpty()) lines << result->accessibleName() + u'\t' + figure.toString();
        }
        if (lines.isEmpty()) return;
        copyText(lines.join(u'\n'));
        window.form().announce(QStringLiteral("已复制全部结果"));
    });
}

bool takesFocus(design::Kind kind) { return kind == design::Kind::TextBox || kind == design::Kind::Button; }

// What lies around a control: the nearest lower row of its container that fills a box holding
// it (a frame or an opaque label), or else the container itself.
QWidget* panelBeneath(std::span<const design::Control> rows, const std::vector<QWidget*>& built, std::size_t i) {
    for (std::size_t j = i + 1; j < built.size(); ++j) {
        const bool fills = rows[j].kind == design::Kind::Frame || (rows[j].kind == design::Kind::Label && rows[j].look.opaque);
        if (rows[j].container == rows[i].container && fills && built[j]->geometry().contains(built[i]->geometry())) return built[j];
    }
    return built[i]->parentWidget();
}

// The designs are drawn in Fusion, the style Qt gives a desktop that names none: their sizes
// hold its margins, and the text boxes' edges are drawn along its lines (text_box.h). Where the
// desktop names another, the window keeps Fusion, in the desktop's colours, while the menus and
// message boxes it opens, which no design draws, follow the desktop's style. Null where the
// application's style is Fusion already.
QStyle* designedStyle() {
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) return nullptr;
    static QPointer<QStyle> fusion;
    if (!fusion && (fusion = QStyleFactory::create(QStringLiteral("Fusion")))) fusion->setParent(qApp);
    return fusion;
}

}  // namespace

FormWindow::FormWindow(const design::Window& design) : looks_(nullptr), form_(this) {
    setObjectName(qs(design.name));
    setWindowTitle(qs(design.title));
    if (!design.icon.empty()) {
        QIcon icon;
        for (const design::Picture& size : design.icon) icon.addPixmap(QPixmap::fromImage(imageOf(size)));
        setWindowIcon(icon);
    }
    if (!design.picture.empty()) picture_ = imageOf(design.picture.front());
    looks_ = new Looks(this, colourOf(design.background));

    // The desktop's keys for quitting and for closing a window close it as its close box does.
    // They act only while the window is the active one, so not while a message box of its own
    // is open. Where the platform's key scheme has none for quitting (Windows', which the
    // offscreen platform follows too), Ctrl+Q quits all the same.
    QList<QKeySequence> closingKeys = QKeySequence::keyBindings(QKeySequence::Quit);
    if (closingKeys.isEmpty()) closingKeys << QKeySequence(Qt::CTRL | Qt::Key_Q);
    closingKeys << QKeySequence::keyBindings(QKeySequence::Close);
    auto* closing = new QShortcut(this);
    closing->setKeys(closingKeys);
    QObject::connect(closing, &QShortcut::activated, this, &QWidget::close);

    const QSize client(pixels(design.clientWidth), pixels(design.clientHeight));
    if (design.border == design::Border::FixedSingle) {
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        setFixedSize(client);
    } else {
        resize(client);
    }
}

void FormWindow::onClick(QStringView button, Procedure procedure) {
    auto* target = findChild<QPushButton*>(button.toString());
    Q_ASSERT_X(target, "FormWindow::onClick", qPrintable(QStringLiteral("no button ") + button.toString()));
    if (!target) return;
    QObject::connect(target, &QPushButton::clicked, this, [this, procedure = std::move(procedure)] { procedure(form_); });
}

void FormWindow::setOuterSize(int widthTwips, int heightTwips) {
    if (!outerSize_) outerSize_ = new OuterSize(this);
    outerSize_->set(QSize(pixels(widthTwips), pixels(heightTwips)));
}

void FormWindow::paintEvent(QPaintEvent*) {
    // Qt has filled the window with its palette's colour, the designed background.
    if (!picture_.isNull()) QPainter(this).drawImage(0, 0, picture_);
}

std::unique_ptr<FormWindow> buildWindow(const design::Window& design) {
    auto window = std::make_unique<FormWindow>(design);
    if (design.font) window->setFont(fontFor(*design.font));
    QHash<QString, QWidget*> containers{{qs(design.name), window.get()}};

    std::vector<QWidget*> built;
    built.reserve(design.controls.size());
    for (const design::Control& row : design.controls) {
        QWidget* container = containers.value(qs(row.container), window.get());
        QWidget* control = makeControl(row, container);
        control->setObjectName(qs(row.name));
        control->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
        if (row.font) control->setFont(fontFor(*row.font));
        if (!takesFocus(row.kind)) control->setFocusPolicy(Qt::NoFocus);
        if (row.kind != design::Kind::TextBox) window->looks_->add(control, container, row.kind, row.look);
        containers.insert(control->objectName(), control);
        built.push_back(control);
    }
    // Text boxes are coloured last, once the panel around each, which may be a later row, is.
    for (std::size_t i = 0; i < built.size(); ++i) {
        const design::Control& row = design.controls[i];
        if (row.kind == design::Kind::TextBox) window->looks_->add(built[i], panelBeneath(design.controls, built, i), row.kind, row.look);
    }

    std::vector<FittedLabel*> results;
    for (const design::AccessibleName& entry : design.accessibleNames) {
        QWidget* control = containers.value(qs(entry.control));
        if (!control) continue;
        control->setAccessibleName(qs(entry.name));
        // A label named by the caption beside it holds a result, which the user may copy.
        if (auto* result = qobject_cast<FittedLabel*>(control)) {
            result->setSelectable(true);
            results.push_back(result);
        }
    }
    if (!results.empty()) offerCopyOfResults(*window, results);

    // An earlier row lies above a later one: raise from the last row to the first.
    for (auto it = built.rbegin(); it != built.rend(); ++it) (*it)->raise();

    std::vector<std::pair<int, QWidget*>> byTabIndex;
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        const design::Control& row = design.controls[i];
        if (takesFocus(row.kind) && row.tabIndex) byTabIndex.emplace_back(*row.tabIndex, built[i]);
    }
    orderTabsAndFocusFirst(std::move(byTabIndex));
    if (QStyle* fusion = designedStyle()) {
        window->setStyle(fusion);
        for (QWidget* widget : window->findChildren<QWidget*>()) widget->setStyle(fusion);
    }
    return window;
}

}  // namespace runtime
