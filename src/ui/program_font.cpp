#include "ui/program_font.h"

#include <QApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace vendarion {
namespace {

constexpr double kReferenceCharWidth = 5.0;

QString Family() { return QStringLiteral("Arial"); }

}  // namespace

void UseProgramFont(QApplication& application) {
    QFont font = QApplication::font();
    font.setFamilies({Family()});
    application.setFont(font);
}

QFont ProgramFont(int point_size, bool bold) {
    QFont font(Family(), point_size);
    font.setBold(bold);
    return font;
}

double FontScale(const QFont& font) {
    return std::max(1.0, QFontMetricsF(font).averageCharWidth() / kReferenceCharWidth);
}

int Scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

}  // namespace vendarion
