// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "looks.h"

#include "contrast.h"
#include "text_box.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace runtime {
namespace {

Rgb rgb(const QColor& c) { return Rgb{static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()), static_cast<std::uint8_t>(c.blue())}; }

QColor legible(const QColor& preferred, const QColor& background) {
    const Rgb chosen = legibleText(rgb(preferred), rgb(background));
    return chosen == rgb(preferred) ? preferred : QColor(chosen.red, chosen.green, chosen.blue);
}

QColor distinct(const QColor& preferred, const QColor& background) {
    const Rgb chosen = distinctEdge(rgb(preferred), rgb(background));
    return QColor(chosen.red, chosen.green, chosen.blue);
}

}  // namespace

QColor colourOf(design::Colour bgr) { return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF), static_cast<int>((bgr >> 16) & 0xFF)); }

Looks::Looks(QWidget* window, QColor background) : QObject(window), window_(window), background_(background) {
    applyAll();
    qApp->installEventFilter(this);
}

void Looks::add(QWidget* control, QWidget* container, design::Kind kind, const design::Look& look) {
    styled_.push_back({control, container, kind, look});
    apply(styled_.back());
}

void Looks::apply(const Styled& styled) const {
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
        palette.setColor(QPalette::WindowText, look.text ? colourOf(*look.text) : legible(platform.color(QPalette::ButtonText), beneath));
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
        // The edges Fusion draws, its panel darkened and its highlight for the focus, made distinct
        // from the panel actually around the box.
        if (auto* textBox = qobject_cast<TextBox*>(widget); textBox && styled.container) {
            const QColor panel = styled.container->palette().color(QPalette::Window);
            textBox->setEdges(distinct(panel.darker(140), panel), distinct(platform.color(QPalette::Highlight).darker(125), panel));
        }
        break;
    }
    case design::Kind::Image: return;
    }
    widget->setPalette(palette);
}

void Looks::applyAll() const {
    QPalette palette = QApplication::palette(window_);
    palette.setColor(QPalette::Window, background_);
    window_->setPalette(palette);
    for (const Styled& styled : styled_) apply(styled);
}

bool Looks::eventFilter(QObject* watched, QEvent* event) {
    // A new desktop theme reaches the application; the window and its controls are coloured again from it.
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) applyAll();
    return QObject::eventFilter(watched, event);
}

}  // namespace runtime
