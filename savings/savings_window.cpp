// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings_window.h"

#include "savings_commands.h"

#include "background.h"
#include "corner.h"
#include "icon.h"

namespace savings {
namespace {

using namespace runtime::design;

constexpr Font kTimes12{"Times New Roman", 12, 400, 0};
constexpr Font kSong12{"宋体", 12, 400, 134};
constexpr Font kSong14{"宋体", 14.25, 400, 134};
constexpr Font kLishu18Bold{"隶书", 18, 700, 134};
constexpr Colour kLightGrey = 0x00E0E0E0;
constexpr Colour kBlue = 0x00FF0000;

// clang-format off
constexpr Control kControls[] = {
    // name      kind           container  left  top   width height tab  caption         font          look
    {"Frame1",   Kind::Frame,   "Form1",   120,  840,  4215, 3495, 0,   "",             windowFont,   background(kLightGrey)},
    {"Command2", Kind::Button,  "Frame1",  3000, 2880, 735,  375,  8,   "清空",         windowFont,   standard},
    {"Command1", Kind::Button,  "Frame1",  1920, 2880, 735,  375,  7,   "计算",         windowFont,   standard},
    {"Text3",    Kind::TextBox, "Frame1",  1800, 1440, 1695, 495,  5,   "",             kTimes12,     standard},
    {"Text2",    Kind::TextBox, "Frame1",  1800, 840,  1695, 495,  3,   "",             kTimes12,     standard},
    {"Text1",    Kind::TextBox, "Frame1",  1800, 240,  1695, 495,  1,   "",             kTimes12,     standard},
    {"Label11",  Kind::Label,   "Frame1",  3600, 960,  495,  495,  14,  "%",            kSong14,      standard},
    {"Label9",   Kind::Label,   "Frame1",  3600, 360,  615,  495,  12,  "元",           kSong12,      transparent},
    {"Label8",   Kind::Label,   "Frame1",  3000, 1920, 975,  375,  11,  "",             kTimes12,     transparent},
    {"Label7",   Kind::Label,   "Frame1",  1200, 2280, 2415, 495,  10,  "",             kTimes12,     transparent},
    {"Label6",   Kind::Label,   "Frame1",  240,  2280, 975,  375,  9,   "本利和：",     kTimes12,     transparent},
    {"Label3",   Kind::Label,   "Frame1",  240,  1560, 1455, 495,  6,   "存入期数：",   kTimes12,     transparent},
    {"Label2",   Kind::Label,   "Frame1",  240,  960,  1575, 495,  4,   "银行年利率：", kTimes12,     transparent},
    {"Label1",   Kind::Label,   "Frame1",  240,  360,  1695, 495,  2,   "每月存款额：", kTimes12,     transparent},
    {"Image1",   Kind::Image,   "Form1",   0,    0,    870,  870,  noTabIndex, "",      windowFont,   picture(pictures::corner)},
    {"Label10",  Kind::Label,   "Form1",   960,  120,  3255, 495,  13,  "Quendrel",     kLishu18Bold, transparent.withText(kBlue)},
};
// clang-format on

constexpr AccessibleName kAccessibleNames[] = {
    {"Text1", "每月存款额"},
    {"Text2", "银行年利率"},
    {"Text3", "存入期数"},
    {"Label7", "本利和"},
};

constexpr Window kWindow{
    .name = "Form1",
    .title = "Quendrel",
    .border = Border::FixedSingle,
    .clientWidth = 4560,
    .clientHeight = 4515,
    .background = 0x00FFC0C0,
    .picture = pictures::background,
    .icon = pictures::icon,
    .font = std::nullopt,
    .controls = kControls,
    .accessibleNames = kAccessibleNames,
};

}  // namespace

const Window& design() { return kWindow; }

std::unique_ptr<runtime::FormWindow> createWindow() {
    auto window = runtime::buildWindow(kWindow);
    window->onClick(u"Command1", &calculate);
    window->onClick(u"Command2", &clear);
    return window;
}

}  // namespace savings
