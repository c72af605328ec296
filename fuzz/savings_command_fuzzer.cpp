// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_input.h"
#include "fuzz_locale.h"
#include "recording_form.h"
#include "savings_commands.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList in = fuzzedFields(data, size, 3);
    runtime::testing::RecordingForm form({{"Text1", in[0]}, {"Text2", in[1]}, {"Text3", in[2]}});
    savings::calculate(form);
    // One message and no result, or the result and no message; never inf or nan on screen.
    const QStringList warnings = form.journal().filter(QStringLiteral("warn "));
    require(warnings.size() == 1 ||
            form.journal() == QStringList({"caption Label7 = " + form.value("Label7"), QStringLiteral("announce 本利和：") + form.value("Label7")}));
    const QString shown = form.value("Label7");
    require(!shown.contains(QStringLiteral("inf")) && !shown.contains(QStringLiteral("nan")));
    require(underCLocale([&] {
                runtime::testing::RecordingForm underC({{"Text1", in[0]}, {"Text2", in[1]}, {"Text3", in[2]}});
                savings::calculate(underC);
                return underC.journal();
            }) == form.journal());
    return 0;
}
