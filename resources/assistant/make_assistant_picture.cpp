// Draws the picture of the search assistant and writes it, as PNG bytes, into a C++
// source file: a directory with a magnifier over it, above a path of numbered steps
// that leads down to a found entry.
//   make_assistant_picture OUTPUT.cpp
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <string>

#include "resources/assistant_picture.h"
#include "resources/generated_source.h"

namespace {

constexpr int kWidth = vendarion::kAssistantPictureWidth;
constexpr int kHeight = vendarion::kAssistantPictureHeight;
const QColor kBottom(QRgb(vendarion::kAssistantPictureColour));
const QColor kTop(0x2a, 0x6f, 0xb0);
const QColor kPage(0xf4, 0xf7, 0xfb);
const QColor kLine(0xa8, 0xb8, 0xcc);
const QColor kYellow(0xf2, 0xb1, 0x2e);

void Background(QPainter& painter) {
    QLinearGradient sky(0, 0, 0, kHeight - 40);
    sky.setColorAt(0, kTop);
    sky.setColorAt(1, kBottom);
    painter.fillRect(QRect(0, 0, kWidth, kHeight), kBottom);
    painter.fillRect(QRect(0, 0, kWidth, kHeight - 40), sky);
}

// An open directory: two pages with lines of entries.
void Directory(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPage);
    QPainterPath left;
    left.moveTo(75, 52);
    left.cubicTo(60, 44, 38, 44, 20, 50);
    left.lineTo(20, 112);
    left.cubicTo(38, 106, 60, 106, 75, 114);
    left.closeSubpath();
    QPainterPath right;
    right.moveTo(75, 52);
    right.cubicTo(90, 44, 112, 44, 130, 50);
    right.lineTo(130, 112);
    right.cubicTo(112, 106, 90, 106, 75, 114);
    right.closeSubpath();
    painter.drawPath(left);
    painter.drawPath(right);
    painter.setPen(QPen(kLine, 2));
    for (int line = 0; line < 5; ++line) {
        const int y = 60 + line * 10;
        painter.drawLine(28, y, 66, y + 1);
        painter.drawLine(84, y + 1, 122 - (line % 2) * 10, y);
    }
}

void Magnifier(QPainter& painter) {
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.setPen(QPen(kYellow, 5));
    painter.drawEllipse(QPoint(98, 82), 20, 20);
    painter.setPen(QPen(kYellow, 8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(113, 97, 130, 114);
}

// Three numbered steps joined by a path, ending at a card with a telephone number.
void Steps(QPainter& painter) {
    const QPoint steps[] = {{40, 160}, {100, 200}, {48, 242}};
    painter.setPen(QPen(kPage, 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    QPainterPath path(steps[0]);
    path.quadTo(90, 160, steps[1].x(), steps[1].y());
    path.quadTo(110, 240, steps[2].x(), steps[2].y());
    path.quadTo(30, 270, 75, 282);
    painter.drawPath(path);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    for (int i = 0; i < 3; ++i) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kYellow);
        painter.drawEllipse(steps[i], 12, 12);
        painter.setPen(kBottom);
        painter.drawText(QRect(steps[i].x() - 12, steps[i].y() - 12, 24, 24), Qt::AlignCenter,
                         QString::number(i + 1));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPage);
    painter.drawRoundedRect(QRect(40, 278, 70, 26), 4, 4);
    painter.setPen(QPen(kTop, 2));
    painter.drawLine(47, 286, 96, 286);
    painter.drawLine(47, 295, 80, 295);
}

QByteArray Picture() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Background(painter);
    Directory(painter);
    Magnifier(painter);
    Steps(painter);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assistant_picture OUTPUT.cpp\n");
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QByteArray bytes = Picture();
    std::string source =
        "// Drawn by make_assistant_picture when the program is built.\n"
        "#include \"resources/assistant_picture.h\"\n\nnamespace vendarion {\nnamespace {\n\n" +
        vendarion::ByteArraySource("kPicture", bytes) +
        "\n}  // namespace\n\nstd::string_view AssistantPicture() {\n"
        "    return {reinterpret_cast<const char*>(kPicture), sizeof kPicture};\n}\n\n"
        "}  // namespace vendarion\n";
    if (!vendarion::WriteGeneratedSource(argv[1], source)) return 1;
    return bytes.isEmpty() ? 1 : 0;
}
