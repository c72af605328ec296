// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "loan_window.h"

#include "loan_commands.h"

#include "icon.h"

namespace loan {
namespace {

using namespace runtime::design;

constexpr Font kKai15{"楷体_GB2312", 15, 400, 134};
constexpr Font kKai12{"楷体_GB2312", 12, 400, 134};
constexpr Font kKai10{"楷体_GB2312", 10.5, 400, 134};
constexpr Font kSong9{"宋体", 9, 400, 134};
constexpr Colour kPink = 0x00FFC0FF;
constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kCyan = 0x00FFFFC0;

constexpr const char* kNote = "  贷款期以月为单位，如五年，应输入60；偿还次数必须是贷款期的约数；月利率按银行贷款利率，如 0.465%，则应输入 0.465。";

// clang-format off
constexpr Control kControls[] = {
    // name      kind           container left  top   width height tab  caption                   font        look
    {"Frame5",   Kind::Frame,   "Form1",   3960, 3690, 2715, 705,  25,  "想一想",                 kKai12,     background(kPink)},
    {"Label15",  Kind::Label,   "Frame5",  270,  300,  2325, 315,  26,  "偿还按排是如何计算的？", kKai10,     background(kWhite)},
    {"Frame3",   Kind::Frame,   "Form1",   390,  3030, 3345, 1365, 15,  "注意",                   kKai12,     background(kPink)},
    {"Label11",  Kind::Label,   "Frame3",  60,   240,  3255, 1065, 16,  kNote,                    kKai10,     background(kWhite)},
    {"Command3", Kind::Button,  "Form1",   5700, 3240, 825,  345,  23,  "退出",                   kKai12,     standard},
    {"Command2", Kind::Button,  "Form1",   4860, 3240, 825,  345,  21,  "清除",                   kKai12,     standard},
    {"Command1", Kind::Button,  "Form1",   4050, 3240, 825,  345,  19,  "确认",                   kKai12,     standard},
    {"Frame2",   Kind::Frame,   "Form1",   3960, 240,  2595, 2565, 7,   "偿还安排",               kKai12,     standard},
    {"Label14",  Kind::Label,   "Frame2",  150,  2130, 855,  285,  24,  "万元。",                 kSong9,     standard},
    {"Label13",  Kind::Label,   "Frame2",  1230, 1740, 1215, 315,  22,  "",                       kKai10,     background(kCyan).centred()},
    {"Label12",  Kind::Label,   "Frame2",  150,  1770, 1065, 285,  20,  "偿还总额为",             kSong9,     standard},
    {"Label10",  Kind::Label,   "Frame2",  150,  1410, 1185, 285,  14,  "万元。",                 kSong9,     standard},
    {"Label9",   Kind::Label,   "Frame2",  1500, 780,  915,  435,  13,  "",                       kKai10,     background(kCyan).centred()},
    {"Label8",   Kind::Label,   "Frame2",  150,  990,  1485, 435,  12,  "每次偿还金额为",         kSong9,     standard},
    {"Label7",   Kind::Label,   "Frame2",  1380, 540,  1095, 405,  11,  "月偿还一次，",           kSong9,     standard},
    {"Label6",   Kind::Label,   "Frame2",  780,  540,  375,  270,  10,  "",                       kSong9,     background(kCyan).centred()},
    {"Label4",   Kind::Label,   "Frame2",  150,  540,  495,  360,  8,   "每隔",                   kSong9,     standard},
    {"Text2",    Kind::TextBox, "Form1",   2220, 1170, 1245, 345,  4,   "",                       kSong9,     standard},
    {"Text1",    Kind::TextBox, "Form1",   2220, 570,  1245, 375,  2,   "",                       kSong9,     standard},
    {"Frame1",   Kind::Frame,   "Form1",   360,  240,  3315, 2565, 0,   "输入贷款数据",           kKai12,     standard},
    {"Text4",    Kind::TextBox, "Frame1",  1860, 2040, 1245, 345,  9,   "",                       kSong9,     standard},
    {"Text3",    Kind::TextBox, "Frame1",  1860, 1470, 1245, 330,  6,   "",                       kSong9,     standard},
    {"Label5",   Kind::Label,   "Frame1",  390,  2070, 1185, 345,  17,  "月利率(%)",              kSong9,     standard.centred()},
    {"Label3",   Kind::Label,   "Frame1",  330,  1500, 1245, 285,  5,   "偿还次数",               kSong9,     standard.centred()},
    {"Label2",   Kind::Label,   "Frame1",  270,  960,  1515, 375,  3,   "贷款期(单位：月)",       kSong9,     standard},
    {"Label1",   Kind::Label,   "Frame1",  150,  390,  1575, 360,  1,   "贷款金额(万元)",         kSong9,     standard.centred()},
    {"Frame4",   Kind::Frame,   "Form1",   3930, 3000, 2685, 660,  18,  "",                       windowFont, standard},
};
// clang-format on

constexpr AccessibleName kAccessibleNames[] = {
    {"Text1", "贷款金额(万元)"},      {"Text2", "贷款期(单位：月)"}, {"Text3", "偿还次数"},   {"Text4", "月利率(%)"},
    {"Label6", "每隔几个月偿还一次"}, {"Label9", "每次偿还金额"},    {"Label13", "偿还总额"},
};

constexpr Window kWindow{
    .name = "Form1",
    .title = "Maribosk",
    .border = Border::Sizable,
    .clientWidth = 6945,
    .clientHeight = 4680,
    .background = 0x00E0E0E0,
    .picture = {},
    .icon = pictures::icon,
    .font = kKai15,
    .controls = kControls,
    .accessibleNames = kAccessibleNames,
};

void load(runtime::FormWindow& window) { window.setOuterSize(7065, 5025); }

}  // namespace

const Window& design() { return kWindow; }

std::unique_ptr<runtime::FormWindow> createWindow() {
    auto window = runtime::buildWindow(kWindow);
    window->onClick(u"Command1", &confirm);
    window->onClick(u"Command2", &clear);
    window->onClick(u"Command3", &quit);
    load(*window);
    return window;
}

}  // namespace loan
