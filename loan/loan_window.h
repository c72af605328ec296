// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"
#include "form_window.h"

#include <memory>

namespace loan {

/// The loan window's design: its properties and its controls in stacking order.
const runtime::design::Window& design();

/// The loan window, built, wired (confirm, clear and exit on Command1–Command3) and loaded:
/// its outer size is set before it is first shown.
std::unique_ptr<runtime::FormWindow> createWindow();

}  // namespace loan
