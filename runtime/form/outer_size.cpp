// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "outer_size.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace runtime {
namespace {

bool framesAreReal() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

OuterSize::OuterSize(QWidget* window) : QObject(window), window_(window) { window->installEventFilter(this); }

void OuterSize::set(QSize outer) {
    pending_ = outer;
    fit();
}

void OuterSize::fit() {
    if (pending_.isEmpty() || !framesAreReal()) return;
    const QWindow* native = window_->windowHandle();
    if (!native || !native->isVisible() || native->frameMargins().isNull()) return;
    const QMargins frame = native->frameMargins();
    window_->resize(pending_.shrunkBy(frame));
    pending_ = QSize();
}

bool OuterSize::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::UpdateRequest: fit(); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace runtime
