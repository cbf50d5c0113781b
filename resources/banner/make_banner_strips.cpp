// Draws the five frame strips of the animated banner and writes them, as PNG bytes,
// into a C++ source file: a telephone that rings, a directory opening, a map of
// Germany with a town lighting up, a magnifier over names, and a number being dialled.
//   make_banner_strips OUTPUT.cpp
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "resources/banner_strips.h"
#include "resources/generated_source.h"

namespace {

constexpr int kWidth = vendarion::kBannerFrameWidth;
constexpr int kRows = vendarion::kBannerFrameRows;
const QColor kBackground(0xf4, 0xf7, 0xfb);
const QColor kBlue(0x2a, 0x6f, 0xb0);
const QColor kDarkBlue(0x1c, 0x3f, 0x66);
const QColor kYellow(0xf2, 0xb1, 0x2e);

using FrameDrawer = std::function<void(QPainter&, int frame, int frames)>;

void Caption(QPainter& painter, const QString& text) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kDarkBlue);
    painter.drawText(QRect(0, 52, kWidth, 16), Qt::AlignHCenter | Qt::AlignVCenter, text);
}

void Telephone(QPainter& painter, int frame, int frames) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    painter.drawRoundedRect(QRect(48, 22, 44, 24), 6, 6);
    const int lift = frame % 2 == 1 && frame < frames - 1 ? -3 : 0;
    painter.drawRoundedRect(QRect(42, 12 + lift, 56, 10), 5, 5);
    painter.setBrush(kBackground);
    for (int key = 0; key < 6; ++key) {
        painter.drawEllipse(QPoint(58 + (key % 3) * 12, 30 + (key / 3) * 9), 2, 2);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kYellow, 2));
    for (int wave = 0; wave < std::min(frame, 3); ++wave) {
        const int radius = 8 + wave * 6;
        painter.drawArc(QRect(24 - radius, 28 - radius, 2 * radius, 2 * radius), -40 * 16, 80 * 16);
        painter.drawArc(QRect(116 - radius, 28 - radius, 2 * radius, 2 * radius), 140 * 16,
                        80 * 16);
    }
    Caption(painter, frame == frames - 1 ? QStringLiteral("Vendarion") : QStringLiteral("Hallo?"));
}

void Book(QPainter& painter, int frame, int frames) {
    const double open = std::min(1.0, frame / 4.0);
    painter.setPen(QPen(kDarkBlue, 1));
    painter.setBrush(kBlue);
    painter.drawRect(QRect(70, 10, 40, 40));
    const int cover = static_cast<int>(40 * (1.0 - open));
    painter.setBrush(Qt::white);
    painter.drawRect(QRect(70 - static_cast<int>(40 * open), 10, static_cast<int>(40 * open), 40));
    if (cover > 0) {
        painter.setBrush(kBlue);
        painter.drawRect(QRect(70, 10, cover, 40));
    }
    painter.setPen(QPen(QColor(0x9a, 0xb3, 0xcc), 1));
    const int lines = std::max(0, frame - 4);
    for (int line = 0; line < std::min(lines, 6); ++line) {
        painter.drawLine(36, 16 + line * 5, 64, 16 + line * 5);
        painter.drawLine(74, 16 + line * 5, 104, 16 + line * 5);
    }
    Caption(painter, frame >= frames - 3 ? QStringLiteral("Das Telefonbuch") : QStringLiteral(""));
}

void Map(QPainter& painter, int frame, int frames) {
    QPainterPath outline;
    outline.moveTo(58, 4);
    outline.lineTo(80, 6);
    outline.lineTo(88, 14);
    outline.lineTo(84, 26);
    outline.lineTo(90, 38);
    outline.lineTo(82, 50);
    outline.lineTo(62, 50);
    outline.lineTo(52, 40);
    outline.lineTo(50, 24);
    outline.lineTo(54, 12);
    outline.closeSubpath();
    painter.setPen(QPen(kDarkBlue, 1));
    painter.setBrush(QColor(0xdc, 0xe8, 0xf4));
    painter.drawPath(outline);
    const QPoint towns[] = {{78, 14}, {60, 26}, {70, 40}, {82, 32}, {64, 16}, {74, 24}};
    painter.setPen(Qt::NoPen);
    for (std::size_t town = 0; town < std::size(towns); ++town) {
        const bool lit = static_cast<int>(town) == frame % static_cast<int>(std::size(towns));
        painter.setBrush(lit ? kYellow : kBlue);
        painter.drawEllipse(towns[town], lit ? 4 : 2, lit ? 4 : 2);
    }
    Caption(painter, frame >= frames - 6 ? QStringLiteral("ganz Deutschland") : QString());
}

void Magnifier(QPainter& painter, int frame, int frames) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(10);
    painter.setFont(font);
    painter.setPen(QColor(0x55, 0x66, 0x77));
    const char* names[] = {"Maier", "Mayer", "Meier", "Meyer"};
    for (int row = 0; row < 4; ++row) {
        painter.drawText(QPoint(30, 14 + row * 11), QString::fromLatin1(names[row]));
        painter.drawText(QPoint(78, 14 + row * 11), QStringLiteral("030 …"));
    }
    const int at = 10 + frame * 30 / std::max(1, frames - 1);
    painter.setPen(QPen(kBlue, 3));
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawEllipse(QPoint(44, at), 11, 11);
    painter.drawLine(QPoint(52, at + 8), QPoint(60, at + 16));
    Caption(painter, QStringLiteral("ähnlich klingend"));
}

void Dialling(QPainter& painter, int frame, int frames) {
    const QString number = QStringLiteral("030 123456");
    const int shown = std::min<int>(number.size(), frame * number.size() / std::max(1, frames - 2));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(18);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kDarkBlue);
    painter.drawText(QRect(0, 8, kWidth, 26), Qt::AlignHCenter | Qt::AlignVCenter,
                     number.left(shown) + QString(number.size() - shown, u' '));
    painter.setPen(Qt::NoPen);
    for (int key = 0; key < 10; ++key) {
        painter.setBrush(key == frame % 10 ? kYellow : kBlue);
        painter.drawEllipse(QPoint(25 + key * 10, 42), 3, 3);
    }
    Caption(painter, frame == frames - 1 ? QStringLiteral("Wählen") : QString());
}

QByteArray Strip(int frames, const FrameDrawer& draw) {
    QImage strip(kWidth, kRows * frames, QImage::Format_RGB32);
    strip.fill(kBackground);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < frames; ++frame) {
        painter.save();
        painter.translate(0, frame * kRows);
        painter.setClipRect(QRect(0, 0, kWidth, kRows - 1));
        draw(painter, frame, frames);
        painter.restore();
    }
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    strip.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_banner_strips OUTPUT.cpp\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    // The frame counts of the five animations.
    const std::pair<int, FrameDrawer> animations[] = {
        {7, Telephone}, {11, Book}, {19, Map}, {5, Magnifier}, {10, Dialling}};
    std::string source =
        "// Drawn by make_banner_strips when the program is built.\n"
        "#include \"resources/banner_strips.h\"\n\nnamespace vendarion {\nnamespace {\n\n";
    for (int i = 0; i < 5; ++i)
        source += vendarion::ByteArraySource("kStrip" + std::to_string(i),
                                             Strip(animations[i].first, animations[i].second));
    source += "\nconst std::string_view kStrips[] = {\n";
    for (int i = 0; i < 5; ++i) {
        source += "    {reinterpret_cast<const char*>(kStrip" + std::to_string(i) +
                  "), sizeof kStrip" + std::to_string(i) + "},\n";
    }
    source +=
        "};\n\n}  // namespace\n\nstd::string_view BannerStrip(int animation) {\n"
        "    if (animation < 0 || animation >= 5) return {};\n"
        "    return kStrips[animation];\n}\n\n}  // namespace vendarion\n";
    return vendarion::WriteGeneratedSource(argv[1], source) ? 0 : 1;
}
