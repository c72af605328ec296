// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>

namespace runtime::testing {

/// Width, height and bits per pixel of each image in an icon file, from its bitmap headers
/// (whose height counts the colour rows and the mask rows).
inline QList<QList<int>> iconImages(const QString& resource) {
    QFile file(resource);
    file.open(QIODevice::ReadOnly);
    const QByteArray data = file.readAll();
    const auto word = [&](qsizetype i) { return i + 1 < data.size() ? static_cast<unsigned char>(data[i]) | static_cast<unsigned char>(data[i + 1]) << 8 : 0; };
    const auto dword = [&](qsizetype i) { return word(i) | word(i + 2) << 16; };
    QList<QList<int>> images;
    for (int i = 0; word(2) == 1 && i < word(4); ++i) {
        const qsizetype bitmap = dword(6 + 16 * i + 12);
        images.append({dword(bitmap + 4), dword(bitmap + 8) / 2, word(bitmap + 14)});
    }
    return images;
}

}  // namespace runtime::testing
