#include "loan_commands.h"
#include "recording_form.h"
#include "savings_commands.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    std::string name;
    void (*command)(runtime::Form&);
    QStringList inputs;  // valid inputs with one replaced by a hostile text
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

std::vector<Case> cases() {
    const QList<QPair<std::string, QString>> hostile{
        {"empty", ""}, {"letters", "abc"}, {"minus_alone", "-"}, {"overflow", "1e999"}, {"negative_overflow", "-1e999"},
        {"full_width", QStringLiteral("１２００")}, {"megabyte_of_digits", QString(1 << 20, u'9')},
        {"control_characters", QString::fromUtf16(u"\x01\x7f\n\t")}, {"emoji", QStringLiteral("😀💰")},
        {"lone_surrogate", QString(QChar(0xD800))}, {"tiny", "1e-320"}, {"largest", "1.7e308"}};
    const QList<std::tuple<std::string, void (*)(runtime::Form&), QStringList>> programs{
        {"savings", &savings::calculate, {"1000", "2.25", "12"}}, {"loan", &loan::confirm, {"20", "60", "12", "0.465"}}};
    std::vector<Case> all;
    for (const auto& [program, command, valid] : programs) {
        for (qsizetype field = 0; field < valid.size(); ++field) {
            for (const auto& [name, text] : hostile) {
                QStringList inputs = valid;
                inputs[field] = text;
                all.push_back({program + "_Text" + std::to_string(field + 1) + "_" + name, command, inputs});
            }
        }
    }
    return all;
}

class HostileText : public testing::TestWithParam<Case> {};

TEST_P(HostileText, ends_in_a_result_or_a_message_never_in_inf_or_nan) {
    QHash<QString, QString> texts;
    for (qsizetype i = 0; i < GetParam().inputs.size(); ++i) texts.insert(QStringLiteral("Text%1").arg(i + 1), GetParam().inputs[i]);
    runtime::testing::RecordingForm form(texts);
    GetParam().command(form);

    const QStringList captions = form.journal().filter(QStringLiteral("caption "));
    const qsizetype warnings = form.journal().filter(QStringLiteral("warn ")).size();
    EXPECT_TRUE(warnings == 1 ? captions.isEmpty() : warnings == 0 && !captions.isEmpty()) << form.journal().join(" | ").toStdString();
    for (const QString& step : captions) {
        EXPECT_FALSE(step.contains(QStringLiteral("inf"), Qt::CaseInsensitive) || step.contains(QStringLiteral("nan"), Qt::CaseInsensitive) ||
                     step.endsWith(QStringLiteral("= "))) << step.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Fields, HostileText, testing::ValuesIn(cases()), [](const auto& info) { return info.param.name; });

}  // namespace
