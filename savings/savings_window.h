// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design.h"
#include "form_window.h"

#include <memory>

namespace savings {

/// The savings window's design: its properties and its controls in stacking order.
const runtime::design::Window& design();

/// The savings window, built and wired: calculate on Command1, clear on Command2.
std::unique_ptr<runtime::FormWindow> createWindow();

}  // namespace savings
