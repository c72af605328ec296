#include "recording_form.h"

#include "loan_commands.h"
#include "savings_commands.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using runtime::testing::RecordingForm;

struct Program {
    std::string name;
    std::function<void(runtime::Form&)> command;
    QStringList fields;
    QStringList validInputs;
};

const QList<QPair<std::string, QString>>& hostileTexts() {
    static const QList<QPair<std::string, QString>> texts{
        {"empty", ""},
        {"letters", "abc"},
        {"minus_alone", "-"},
        {"overflow", "1e999"},
        {"negative_overflow", "-1e999"},
        {"full_width_digits", QStringLiteral("１２００")},
        {"megabyte_of_digits", QString(1 << 20, u'9')},
        {"control_characters", QString::fromUtf16(u"\x01\x02\x7f\n\t")},
        {"emoji", QStringLiteral("😀💰")},
        {"lone_surrogate", QString(QChar(0xD800))},
        {"tiny", "1e-320"},
        {"huge_but_finite", "1.7e308"},
    };
    return texts;
}

struct Case {
    Program program;
    int field;
    std::string textName;
    QString text;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.program.name << " " << c.field << " " << c.textName; }

std::vector<Case> cases() {
    const std::vector<Program> programs{
        {"savings", &savings::calculate, {"Text1", "Text2", "Text3"}, {"1000", "2.25", "12"}},
        {"loan", &loan::confirm, {"Text1", "Text2", "Text3", "Text4"}, {"20", "60", "12", "0.465"}},
    };
    std::vector<Case> all;
    for (const Program& program : programs) {
        for (int field = 0; field < program.fields.size(); ++field) {
            for (const auto& [name, text] : hostileTexts()) all.push_back({program, field, name, text});
        }
    }
    return all;
}

class HostileText : public testing::TestWithParam<Case> {};

TEST_P(HostileText, ends_in_a_result_or_a_message_never_in_inf_or_nan) {
    const Case& c = GetParam();
    QHash<QString, QString> texts;
    for (int i = 0; i < c.program.fields.size(); ++i) texts.insert(c.program.fields[i], c.program.validInputs[i]);
    texts.insert(c.program.fields[c.field], c.text);
    RecordingForm form(texts);
    c.program.command(form);

    ASSERT_FALSE(form.journal().isEmpty());
    const int warnings = static_cast<int>(form.journal().filter(QStringLiteral("warn ")).size());
    const int captions = static_cast<int>(form.journal().filter(QStringLiteral("caption ")).size());
    EXPECT_TRUE((warnings == 1 && captions == 0) || (warnings == 0 && captions > 0)) << form.journal().join(" | ").toStdString();
    for (const QString& step : form.journal().filter(QStringLiteral("caption "))) {
        EXPECT_FALSE(step.contains(QStringLiteral("inf"), Qt::CaseInsensitive)) << step.toStdString();
        EXPECT_FALSE(step.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << step.toStdString();
        EXPECT_FALSE(step.endsWith(QStringLiteral("= "))) << step.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, HostileText, testing::ValuesIn(cases()), [](const auto& info) {
    return info.param.program.name + "_field" + std::to_string(info.param.field + 1) + "_" + info.param.textName;
});

}  // namespace
