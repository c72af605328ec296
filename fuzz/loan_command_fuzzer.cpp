// SPDX-FileCopyrightText: 2026 Quendrel calculators team
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzz_input.h"
#include "fuzz_locale.h"
#include "loan_commands.h"
#include "recording_form.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList in = fuzzedFields(data, size, 4);
    runtime::testing::RecordingForm form({{"Text1", in[0]}, {"Text2", in[1]}, {"Text3", in[2]}, {"Text4", in[3]}});
    loan::confirm(form);
    // One message and no result, or all three results, the focus back in the amount and the
    // results said there.
    const qsizetype warnings = form.journal().filter(QStringLiteral("warn ")).size();
    const qsizetype captions = form.journal().filter(QStringLiteral("caption ")).size();
    require((warnings == 1 && captions == 0) || (warnings == 0 && captions == 3 && form.journal().size() == 5 && form.journal()[3] == "focus Text1" &&
                                                 form.journal()[4].startsWith(QStringLiteral("announce 每隔 "))));
    for (const char* label : {"Label6", "Label9", "Label13"}) {
        const QString shown = form.value(QString::fromLatin1(label));
        require(!shown.contains(QStringLiteral("inf")) && !shown.contains(QStringLiteral("nan")));
        require(warnings == 1 || !shown.trimmed().isEmpty());
    }
    require(underCLocale([&] {
                runtime::testing::RecordingForm underC({{"Text1", in[0]}, {"Text2", in[1]}, {"Text3", in[2]}, {"Text4", in[3]}});
                loan::confirm(underC);
                return underC.journal();
            }) == form.journal());
    return 0;
}
