// Draws the icon of the desktop notes (a pale yellow note with a turned-down corner,
// lines of writing and a blue telephone handset) and writes it as a PNG file.
//   make_note_icon OUTPUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int kSize = 64;
const QColor kPaper(0xff, 0xf0, 0x9a);
const QColor kFold(0xe8, 0xcf, 0x5a);
const QColor kEdge(0x9a, 0x82, 0x2a);
const QColor kBlue(0x2a, 0x6f, 0xb0);
const QColor kInk(0x6b, 0x5d, 0x2c);

void Note(QPainter& painter) {
    constexpr qreal kFoldSize = 14;
    QPainterPath paper;
    paper.moveTo(6, 6);
    paper.lineTo(kSize - 6, 6);
    paper.lineTo(kSize - 6, kSize - 6 - kFoldSize);
    paper.lineTo(kSize - 6 - kFoldSize, kSize - 6);
    paper.lineTo(6, kSize - 6);
    paper.closeSubpath();
    painter.setPen(QPen(kEdge, 1.5));
    painter.setBrush(kPaper);
    painter.drawPath(paper);
    QPainterPath fold;
    fold.moveTo(kSize - 6, kSize - 6 - kFoldSize);
    fold.lineTo(kSize - 6 - kFoldSize, kSize - 6 - kFoldSize);
    fold.lineTo(kSize - 6 - kFoldSize, kSize - 6);
    fold.closeSubpath();
    painter.setBrush(kFold);
    painter.drawPath(fold);
    painter.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap));
    for (const int y : {36, 44}) painter.drawLine(QPointF(13, y), QPointF(kSize - 24, y));
}

void Handset(QPainter& painter) {
    QPainterPath handset;
    handset.moveTo(14, 14);
    handset.cubicTo(11, 22, 20, 31, 30, 30);
    handset.lineTo(33, 26);
    handset.lineTo(28, 22);
    handset.lineTo(25, 24);
    handset.cubicTo(22, 23, 20, 21, 19, 18);
    handset.lineTo(21, 15);
    handset.lineTo(17, 10);
    handset.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlue);
    painter.translate(14, -2);
    painter.drawPath(handset);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_note_icon OUTPUT.png\n");
        return 2;
    }
    QImage icon(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        Note(painter);
        Handset(painter);
    }
    if (!icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "make_note_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
