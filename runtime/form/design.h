// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace runtime::design {

/// A colour laid out as 0x00BBGGRR.
using Colour = std::uint32_t;

/// A face name, a size in points, a weight (400 normal, 700 bold) and a character set
/// (134 GB2312, 0 Western).
struct Font {
    std::string_view face;
    double points;
    int weight;
    int charset;
};

/// A picture compiled into the program: `width` × `height` pixels, row after row from the
/// top. Each pixel is 0xAARRGGBB (alpha 0xFF throughout where `opaque`), or, where the picture
/// has a table of `colours` (at most 256), a byte giving its colour's place in the table, each
/// row then padded to a multiple of four bytes.
struct Picture {
    int width;
    int height;
    bool opaque;
    const void* pixels;
    std::span<const std::uint32_t> colours{};
};
/// The images of one picture: an icon's sizes, or a single image.
using Pictures = std::span<const Picture>;

enum class Kind { Frame, Label, TextBox, Button, Image };
enum class Alignment { Left, Centred };

/// How a control is painted: colours left empty take the platform's standard colours for
/// the control's kind; `picture` is what an image shows.
struct Look {
    std::optional<Colour> background{};
    std::optional<Colour> text{};
    bool opaque = true;
    Alignment alignment = Alignment::Left;
    Pictures picture{};

    constexpr Look withBackground(Colour colour) const {
        Look l = *this;
        l.background = colour;
        return l;
    }
    constexpr Look withText(Colour colour) const {
        Look l = *this;
        l.text = colour;
        return l;
    }
    constexpr Look centred() const {
        Look l = *this;
        l.alignment = Alignment::Centred;
        return l;
    }
};

/// The platform's colours, opaque.
constexpr Look standard{};
/// Paints only the caption's characters over whatever lies beneath.
constexpr Look transparent{.opaque = false};
/// Filled with a colour of its own.
constexpr Look background(Colour colour) { return standard.withBackground(colour); }
/// An image control showing a compiled-in picture at its natural size.
constexpr Look picture(Pictures images) { return Look{.picture = images}; }

/// No tab index: the control takes no focus.
constexpr std::optional<int> noTabIndex = std::nullopt;
/// No font of its own: the window's font, or the platform's when the window has none.
constexpr std::optional<Font> windowFont = std::nullopt;

/// One row of a design table. Lengths are twips from the container's top-left corner.
struct Control {
    std::string_view name;
    Kind kind;
    std::string_view container;
    int left;
    int top;
    int width;
    int height;
    std::optional<int> tabIndex;
    std::string_view caption;
    std::optional<Font> font;
    Look look;
};

/// What a screen reader announces for a field or result, taken from the caption beside it.
struct AccessibleName {
    std::string_view control;
    std::string_view name;
};

enum class Border { FixedSingle, Sizable };

/// A window: its own properties and its controls in stacking order (an earlier row lies
/// above a later one within the same container).
struct Window {
    std::string_view name;
    std::string_view title;
    Border border;
    int clientWidth;   // twips
    int clientHeight;  // twips
    Colour background;
    Pictures picture;  // drawn from the top-left corner, or none
    Pictures icon;     // every size of the window's icon, or none
    std::optional<Font> font;
    std::span<const Control> controls;
    std::span<const AccessibleName> accessibleNames;
};

/// Twips to pixels: the designs take 15 twips to a pixel.
constexpr int pixels(int twips) { return (twips + 7) / 15; }

}  // namespace runtime::design
