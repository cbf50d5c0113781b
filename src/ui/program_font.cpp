#include "ui/program_font.h"

#include <QApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace vendarion {
namespace {

constexpr double kReferenceLetterWidth = 5.5;

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

double AverageLetterWidth(const QFont& font) {
    const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return QFontMetricsF(font).horizontalAdvance(letters) / static_cast<double>(letters.size());
}

double FontScale(const QFont& font) {
    return std::max(1.0, AverageLetterWidth(font) / kReferenceLetterWidth);
}

int Scaled(int pixels, double scale) { return static_cast<int>(std::lround(pixels * scale)); }

}  // namespace vendarion
