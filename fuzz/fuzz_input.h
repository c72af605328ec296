// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

// A fuzzer's bytes read as UTF-16 code units (little-endian), split into fields at U+FFFF.
inline QStringList fuzzedFields(const std::uint8_t* data, std::size_t size, qsizetype count) {
    QString all;
    all.reserve(static_cast<qsizetype>(size / 2));
    for (std::size_t i = 0; i + 1 < size; i += 2) all.append(QChar(static_cast<char16_t>(data[i] | data[i + 1] << 8)));
    QStringList fields = all.split(QChar(0xFFFF));
    while (fields.size() < count) fields.append(QString());
    return fields.mid(0, count);
}

// Stops the run, so libFuzzer keeps the input, when a promise is broken.
inline void require(bool promise) {
    if (!promise) std::abort();
}
