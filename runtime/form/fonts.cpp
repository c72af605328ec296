// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include "qstring_convert.h"

#include <QFontDatabase>
#include <QStringList>

namespace runtime {
namespace {

struct Substitute {
    std::string_view face;
    const char* installed;
};

// Each designed face, followed by the face installed on Debian that stands in for it.
constexpr Substitute kSubstitutes[] = {
    {"楷体_GB2312", "AR PL KaitiM GB"},
    {"宋体", "AR PL SungtiL GB"},
    {"隶书", "AR PL KaitiM GB"},
    {"Times New Roman", "Liberation Serif"},
};

constexpr const char* kChineseFallback = "AR PL SungtiL GB";
constexpr int kChineseCharset = 134;

// The designed face where the machine has it, else its stand-in; for a Western face, then the
// Song face, which draws the Chinese characters it lacks. A Chinese face draws its own, and
// with no second face named, Qt asks fontconfig for look-alikes only if a character is
// missing from it, not for every face and size. A face the machine lacks is left out rather
// than named: asking for it makes fontconfig search for look-alikes every time.
QStringList familiesFor(const design::Font& font) {
    const QString designed = qs(font.face);
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    if (installed.contains(designed)) families << designed;
    for (const Substitute& s : kSubstitutes) {
        if (font.face == s.face) families << QString::fromUtf8(s.installed);
    }
    if (families.isEmpty()) families << designed;
    if (font.charset != kChineseCharset) families << QString::fromUtf8(kChineseFallback);
    return families;
}

}  // namespace

QFont fontFor(const design::Font& font) {
    QFont result;
    result.setFamilies(familiesFor(font));
    // Points to pixels at 96 dots an inch, rounded half up (sizes are positive).
    result.setPixelSize(static_cast<int>(font.points * 96.0 / 72.0 + 0.5));
    result.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    const bool chinese = font.charset == kChineseCharset;
    // A Chinese face alone: one font engine for its Chinese and Latin alike, where merging
    // would load a second one at start-up.
    result.setStyleStrategy(chinese ? QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging) : QFont::PreferAntialias);
    return result;
}

}  // namespace runtime
