// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a picture file as C++ source: each of its images as rows of pixels that Qt draws as
// they are, so the program needs no image plugin or decoder to show them. An image of at most
// 256 colours keeps a byte a pixel, its colour's place in a table of them; any other, 32 bits.
// Usage: picture_source PICTURE QUALIFIED_NAME HEADER SOURCE [WIDTH HEIGHT]
// With WIDTH and HEIGHT, only that region, from the top-left corner, is kept: the part of a
// background that its window shows. An icon keeps, of each size, its deepest image, the one
// Qt itself shows when it reads the icon file.
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// The colour depth the image had in its file, where the reader tells it (icons do).
int depthInFile(const QImage& image) {
    bool ok = false;
    const int depth = image.text(QStringLiteral("_q_icoOrigDepth")).toInt(&ok);
    return ok ? depth : image.depth();
}

QList<QImage> imagesOf(const QString& path, const QSize& shown) {
    QImageReader reader(path);
    QList<QImage> images;
    // A GIF's reader moves to the next frame by itself, an icon's does not.
    const int count = std::max(reader.imageCount(), 1);
    for (int i = 0; i < count; ++i) {
        QImage image;
        if (!reader.jumpToImage(i) && i > 0) break;
        if (!reader.read(&image)) break;
        if (shown.isValid()) image = image.copy(QRect(QPoint(0, 0), shown));
        const auto same = std::find_if(images.begin(), images.end(), [&](const QImage& kept) { return kept.size() == image.size(); });
        if (same == images.end())
            images.append(image);
        else if (depthInFile(image) > depthInFile(*same))
            *same = image;
    }
    return images;
}

// An image of at most 256 colours as a byte a pixel, each row padded to a multiple of four
// bytes as Qt lays such images out, and its colours in the order they first appear.
struct Indexed {
    QList<QRgb> colours;
    QList<int> indexes;
};

std::optional<Indexed> indexedOf(const QImage& image) {
    Indexed indexed;
    QHash<QRgb, int> places;
    const int stride = (image.width() + 3) / 4 * 4;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < stride; ++x) {
            if (x >= image.width()) {
                indexed.indexes.append(0);
                continue;
            }
            auto place = places.constFind(row[x]);
            if (place == places.constEnd()) {
                if (indexed.colours.size() == 256) return std::nullopt;
                place = places.insert(row[x], static_cast<int>(indexed.colours.size()));
                indexed.colours.append(row[x]);
            }
            indexed.indexes.append(*place);
        }
    }
    return indexed;
}

void writeIndexed(QTextStream& s, qsizetype i, const Indexed& indexed) {
    s << "alignas(16) const std::uint8_t image" << i << "[] = {";
    for (qsizetype p = 0; p < indexed.indexes.size(); ++p) s << ((p % 16) ? " " : "\n    ") << indexed.indexes[p] << ',';
    s << "\n};\nconst std::uint32_t colours" << i << "[] = {";
    for (qsizetype c = 0; c < indexed.colours.size(); ++c) s << ((c % 8) ? " " : "\n    ") << "0x" << Qt::hex << indexed.colours[c] << Qt::dec << ',';
    s << "\n};\n";
}

void writePixels(QTextStream& s, qsizetype i, const QImage& pixels) {
    s << "alignas(16) const std::uint32_t image" << i << "[] = {";
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) s << ((x % 8) ? " " : "\n    ") << "0x" << Qt::hex << row[x] << Qt::dec << ',';
    }
    s << "\n};\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 5 && argc != 7) {
        std::fprintf(stderr, "usage: picture_source PICTURE QUALIFIED_NAME HEADER SOURCE [WIDTH HEIGHT]\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QString qualified = QString::fromLatin1(argv[2]);
    const QSize shown = argc == 7 ? QSize(std::atoi(argv[5]), std::atoi(argv[6])) : QSize();
    const QList<QImage> images = imagesOf(path, shown);
    if (images.isEmpty()) {
        std::fprintf(stderr, "picture_source: cannot read %s\n", argv[1]);
        return 1;
    }
    const qsizetype split = qualified.lastIndexOf(QStringLiteral("::"));
    const QString space = qualified.left(split), name = qualified.mid(split + 2);
    const QString origin = QFileInfo(path).fileName();

    QFile header(QString::fromLocal8Bit(argv[3])), source(QString::fromLocal8Bit(argv[4]));
    if (!header.open(QIODevice::WriteOnly | QIODevice::Truncate) || !source.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    QTextStream h(&header), s(&source);
    h << "// " << origin << ", compiled in by picture_source.\n#pragma once\n\n#include \"design.h\"\n\n"
      << "namespace " << space << " {\nextern const runtime::design::Picture " << name << '[' << images.size() << "];\n}\n";
    s << "// " << origin << ", compiled in by picture_source.\n#include \"" << QFileInfo(header).fileName() << "\"\n\n"
      << "#include <cstdint>\n\nnamespace {\n";
    QString entries;
    QTextStream e(&entries);
    for (qsizetype i = 0; i < images.size(); ++i) {
        const bool opaque = !images[i].hasAlphaChannel();
        const QImage pixels = images[i].convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
        const std::optional<Indexed> indexed = indexedOf(pixels);
        if (indexed)
            writeIndexed(s, i, *indexed);
        else
            writePixels(s, i, pixels);
        e << "    {" << pixels.width() << ", " << pixels.height() << ", " << (opaque ? "true" : "false") << ", image" << i
          << (indexed ? QStringLiteral(", colours%1").arg(i) : QString()) << "},\n";
    }
    e.flush();
    s << "}  // namespace\n\nnamespace " << space << " {\nconst runtime::design::Picture " << name << '[' << images.size() << "] = {\n" << entries;
    s << "};\n}\n";
    return 0;
}
