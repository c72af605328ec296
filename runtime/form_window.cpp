// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_window.h"

#include "contrast.h"
#include "fitted_label.h"
#include "fonts.h"
#include "text_box.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <vector>

namespace runtime {
namespace {

using design::pixels;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The image over a compiled picture's own pixels: nothing is decoded or copied, and Qt draws
// a picture of indexed colours through its table as it goes.
QImage imageOf(const design::Picture& picture) {
    const auto* bits = static_cast<const uchar*>(picture.pixels);
    if (picture.colours.empty()) {
        return QImage(bits, picture.width, picture.height, picture.width * 4,
                      picture.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    }
    QImage image(bits, picture.width, picture.height, (picture.width + 3) / 4 * 4, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(picture.colours.begin(), picture.colours.end()));
    return image;
}

QColor colourOf(design::Colour bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// A frame as a group box: its own colour across the whole box, an etched border whose top
// line runs through the middle of the caption, and the caption set into that line.
class FrameBox : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        const QFontMetrics metrics(font());
        const int top = metrics.height() / 2;
        const QRect border(0, top, width() - 2, height() - top - 2);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(border);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawRect(border.translated(1, 1));
        if (title().isEmpty()) return;
        const QRect caption(8, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        painter.fillRect(caption, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, title());
    }
};

QColor legible(const QColor& preferred, const QColor& background) {
    const auto rgb = [](const QColor& c) {
        return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()), static_cast<std::uint8_t>(c.blue())};
    };
    const Rgb chosen = legibleText(rgb(preferred), rgb(background));
    return chosen == rgb(preferred) ? preferred : QColor(chosen.red, chosen.green, chosen.blue);
}

}  // namespace

// Designed colours are used as they are; the rest comes from the platform's palette for the
// control's kind, so it follows the desktop's theme. A text colour the design leaves to the
// platform is kept only where it is legible on what lies beneath it: a theme's light text on
// a designed light background gives way to black.
void FormWindow::applyLook(const Styled& styled) {
    QWidget* widget = styled.widget;
    if (!widget) return;
    const design::Look& look = styled.look;
    const QPalette platform = QApplication::palette(widget);
    QPalette palette = platform;
    switch (styled.kind) {
    case design::Kind::Frame:
    case design::Kind::Label: {
        // Labels and frames paint themselves: opaque ones fill their box with their
        // background (the button face unless the design gives a colour), transparent ones
        // show their container through.
        const QColor fill = look.background ? colourOf(*look.background) : platform.color(QPalette::Button);
        const QColor beneath = look.opaque || !styled.container ? fill : styled.container->palette().color(QPalette::Window);
        palette.setColor(QPalette::Window, fill);
        palette.setColor(QPalette::WindowText,
                         look.text ? colourOf(*look.text) : legible(platform.color(QPalette::ButtonText), beneath));
        widget->setAutoFillBackground(look.opaque);
        break;
    }
    case design::Kind::TextBox:
    case design::Kind::Button: {
        const bool box = styled.kind == design::Kind::TextBox;
        const QPalette::ColorRole back = box ? QPalette::Base : QPalette::Button;
        const QPalette::ColorRole fore = box ? QPalette::Text : QPalette::ButtonText;
        if (look.background) palette.setColor(back, colourOf(*look.background));
        palette.setColor(fore, look.text ? colourOf(*look.text) : legible(platform.color(fore), palette.color(back)));
        break;
    }
    case design::Kind::Image:
        return;
    }
    widget->setPalette(palette);
}

namespace {

QWidget* makeControl(const design::Control& row, QWidget* container) {
    const QString caption = qs(row.caption);
    switch (row.kind) {
    case design::Kind::Frame:
        return new FrameBox(caption, container);
    case design::Kind::Label: {
        auto* label = new FittedLabel(container);
        label->setTextFormat(Qt::PlainText);
        label->setText(caption);
        const Qt::Alignment across = row.look.alignment == design::Alignment::Centred ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignTop);
        return label;
    }
    case design::Kind::TextBox:
        return new TextBox(caption, container);
    case design::Kind::Button: {
        auto* button = new QPushButton(caption, container);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case design::Kind::Image: {
        auto* image = new QLabel(container);
        if (!row.look.picture.empty()) image->setPixmap(QPixmap::fromImage(imageOf(row.look.picture.front())));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    }
    return nullptr;
}

bool takesFocus(design::Kind kind) { return kind == design::Kind::TextBox || kind == design::Kind::Button; }

}  // namespace

FormWindow::FormWindow(const design::Window& design) : form_(this) {
    setObjectName(qs(design.name));
    setWindowTitle(qs(design.title));
    if (!design.icon.empty()) {
        QIcon icon;
        for (const design::Picture& size : design.icon) icon.addPixmap(QPixmap::fromImage(imageOf(size)));
        setWindowIcon(icon);
    }
    if (!design.picture.empty()) picture_ = imageOf(design.picture.front());

    background_ = colourOf(design.background);
    applyLooks();
    qApp->installEventFilter(this);

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
        setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        setFixedSize(client);
    } else {
        resize(client);
    }
}

void FormWindow::applyLooks() {
    QPalette palette = QApplication::palette(this);
    palette.setColor(QPalette::Window, background_);
    setPalette(palette);
    for (const Styled& styled : styled_) applyLook(styled);
}

void FormWindow::onClick(QStringView button, Procedure procedure) {
    auto* target = findChild<QPushButton*>(button.toString());
    if (!target) return;
    QObject::connect(target, &QPushButton::clicked, this, [this, procedure = std::move(procedure)] { procedure(form_); });
}

void FormWindow::setOuterSize(int widthTwips, int heightTwips) {
    pendingOuterSize_ = QSize(pixels(widthTwips), pixels(heightTwips));
    fitOuterSize();
}

// Platforms without a window system (offscreen, minimal) report frames that nothing draws.
static bool framesAreReal() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void FormWindow::fitOuterSize() {
    if (pendingOuterSize_.isEmpty() || !framesAreReal()) return;
    const QWindow* native = windowHandle();
    if (!native || !native->isVisible() || native->frameMargins().isNull()) return;
    const QMargins frame = native->frameMargins();
    resize(pendingOuterSize_.shrunkBy(frame));
    pendingOuterSize_ = QSize();
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    // A new desktop theme reaches the application; controls with looks of their own are
    // painted again from it.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) applyLooks();
    return QWidget::eventFilter(watched, event);
}

bool FormWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::UpdateRequest:
        fitOuterSize();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void FormWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    if (!picture_.isNull()) painter.drawImage(0, 0, picture_);
}

std::unique_ptr<FormWindow> buildWindow(const design::Window& design) {
    auto window = std::make_unique<FormWindow>(design);
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
        window->styled_.push_back({control, container, row.kind, row.look});
        window->applyLook(window->styled_.back());
        containers.insert(control->objectName(), control);
        built.push_back(control);
    }

    // The window's font is set once every control has its own: a control lays out its text
    // as it is made, in the font it inherits then, and a font that only the window has would be
    // loaded for nothing.
    if (design.font) window->setFont(fontFor(*design.font));

    for (const design::AccessibleName& entry : design.accessibleNames) {
        QWidget* control = containers.value(qs(entry.control));
        if (!control) continue;
        control->setAccessibleName(qs(entry.name));
        // A label named by the caption beside it holds a result, which the user may copy.
        if (auto* result = qobject_cast<FittedLabel*>(control)) result->setSelectable(true);
    }

    // An earlier row lies above a later one: raise from the last row to the first.
    for (auto it = built.rbegin(); it != built.rend(); ++it) (*it)->raise();

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (std::size_t i = 0; i < design.controls.size(); ++i) {
        const design::Control& row = design.controls[i];
        if (takesFocus(row.kind) && row.tabIndex) tabOrder.emplace_back(*row.tabIndex, built[i]);
    }
    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    if (!tabOrder.empty()) tabOrder.front().second->setFocus(Qt::OtherFocusReason);
    return window;
}

}  // namespace runtime
