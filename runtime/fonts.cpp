#include "fonts.h"

#include <QStringList>
#include <cmath>

namespace runtime {
namespace {

struct Substitute {
    const char* face;
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

void registerSubstitutes() {
    static const bool registered = [] {
        for (const Substitute& s : kSubstitutes) {
            QFont::insertSubstitution(QString::fromUtf8(s.face), QString::fromUtf8(s.installed));
        }
        return true;
    }();
    (void)registered;
}

}  // namespace

QFont fontFor(const design::Font& font) {
    registerSubstitutes();
    const QString face = QString::fromUtf8(font.face.data(), static_cast<qsizetype>(font.face.size()));
    QFont result;
    result.setFamilies({face, QString::fromUtf8(kChineseFallback)});
    result.setPixelSize(static_cast<int>(std::lround(font.points * 96.0 / 72.0)));
    result.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}

}  // namespace runtime
