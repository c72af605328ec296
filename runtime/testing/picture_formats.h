#pragma once

#include <QByteArray>
#include <QList>

namespace runtime::testing {

/// What a GIF file's blocks say about it.
struct GifLayout {
    int width = 0;
    int height = 0;
    int paletteSize = 0;  // global colour table entries
    int frames = 0;
    bool transparentColour = false;
    bool wellFormed = false;
};

inline GifLayout readGifLayout(const QByteArray& data) {
    GifLayout gif;
    const auto byte = [&](qsizetype i) { return i < data.size() ? static_cast<unsigned char>(data[i]) : 0; };
    if (!data.startsWith("GIF87a") && !data.startsWith("GIF89a")) return gif;
    gif.width = byte(6) | byte(7) << 8;
    gif.height = byte(8) | byte(9) << 8;
    qsizetype at = 13;
    if (byte(10) & 0x80) {
        gif.paletteSize = 1 << ((byte(10) & 7) + 1);
        at += 3 * gif.paletteSize;
    }
    const auto skipSubBlocks = [&] {
        while (at < data.size() && byte(at) != 0) at += byte(at) + 1;
        ++at;
    };
    while (at < data.size()) {
        const int introducer = byte(at++);
        if (introducer == 0x3B) {
            gif.wellFormed = true;
            break;
        }
        if (introducer == 0x21) {
            const int label = byte(at++);
            if (label == 0xF9 && (byte(at + 1) & 1)) gif.transparentColour = true;
            skipSubBlocks();
        } else if (introducer == 0x2C) {
            const int packed = byte(at + 8);
            at += 9;
            if (packed & 0x80) at += 3 * (1 << ((packed & 7) + 1));
            ++at;  // the LZW code size
            skipSubBlocks();
            ++gif.frames;
        } else {
            break;
        }
    }
    return gif;
}

/// One image of an icon file, as its bitmap header gives it.
struct IconImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    friend bool operator==(const IconImage&, const IconImage&) = default;
};

inline QList<IconImage> readIconImages(const QByteArray& data) {
    const auto word = [&](qsizetype i) {
        return i + 1 < data.size() ? static_cast<unsigned char>(data[i]) | static_cast<unsigned char>(data[i + 1]) << 8 : 0;
    };
    const auto dword = [&](qsizetype i) { return word(i) | word(i + 2) << 16; };
    QList<IconImage> images;
    if (word(0) != 0 || word(2) != 1) return images;
    for (int i = 0; i < word(4); ++i) {
        const qsizetype entry = 6 + 16 * i;
        const qsizetype offset = dword(entry + 12);
        // The bitmap's height counts the colour rows and the mask rows.
        images.append({dword(offset + 4), dword(offset + 8) / 2, word(offset + 14)});
    }
    return images;
}

}  // namespace runtime::testing
