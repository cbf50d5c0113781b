#include "ui/print_command.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <climits>

#include "base/messages.h"
#include "resources/string_table.h"
#include "ui/printer_chooser.h"
#include "ui/program_font.h"
#include "ui/ui_text.h"
#include "ui/wait_cursor.h"

namespace vendarion {
namespace {

constexpr int kPrintFailed = 1344;
constexpr const char* kDocumentName = "Vendarion.doc";

QFont FontOf(PrintFont font, const PrintGeometry& geometry) {
    QFont result = ProgramFont(10);
    switch (font) {
        case PrintFont::kNormal:
            result.setPixelSize(geometry.normal_height);
            result.setWeight(QFont::Normal);
            break;
        case PrintFont::kBold:
            result.setPixelSize(geometry.bold_height);
            result.setWeight(QFont::Bold);
            break;
        case PrintFont::kHeader:
            result.setPixelSize(geometry.header_height);
            result.setWeight(QFont::ExtraBold);
            break;
    }
    return result;
}

// Measures with the fonts as the printer draws them.
class PrinterMeasure final : public PrintMeasure {
public:
    PrinterMeasure(QPaintDevice* device, const PrintGeometry& geometry)
        : device_(device), geometry_(geometry) {}

    int LineHeight(PrintFont font) override {
        return QFontMetrics(FontOf(font, geometry_), device_).height();
    }
    int WrappedHeight(PrintFont font, std::string_view text, int width) override {
        const QFontMetrics metrics(FontOf(font, geometry_), device_);
        return metrics
            .boundingRect(QRect(0, 0, width, INT_MAX / 2), Qt::TextWordWrap, ToQString(text))
            .height();
    }

private:
    QPaintDevice* device_;
    const PrintGeometry& geometry_;
};

void Paint(QPainter& painter, const PrintPage& page, const PrintGeometry& geometry) {
    for (const PrintItem& item : page.items) {
        switch (item.kind) {
            case PrintItem::Kind::kLine:
                painter.setFont(FontOf(item.font, geometry));
                painter.drawText(QPoint(item.x, item.y + painter.fontMetrics().ascent()),
                                 ToQString(item.text));
                break;
            case PrintItem::Kind::kWrapped:
                painter.setFont(FontOf(item.font, geometry));
                painter.drawText(QRect(item.x, item.y, item.right - item.x, item.bottom - item.y),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                 ToQString(item.text));
                break;
            case PrintItem::Kind::kRule:
                painter.setPen(QPen(Qt::black, kPrintRuleWidth));
                painter.drawLine(item.x, item.y, item.right, item.bottom);
                painter.setPen(QPen(Qt::black));
                break;
        }
    }
}

}  // namespace

bool PrintCommand::Render(QPrinter& printer, std::span<const PrintRow> rows,
                          const std::string& title) {
    printer.setDocName(QString::fromLatin1(kDocumentName));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const PrintGeometry geometry =
        PrintGeometryFor(printer.resolution(), area.width(), area.height());
    PrinterMeasure measure(&printer, geometry);
    const std::vector<PrintPage> pages = LayOutPrint(geometry, measure, rows, title);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) return false;
        Paint(painter, pages[i], geometry);
    }
    return painter.end();
}

bool PrintCommand::CheckCount(std::size_t rows) {
    if (rows <= static_cast<std::size_t>(kMaxPrintRows)) return true;
    Tell(kMoreThanMaxPrintRows);
    return false;
}

void PrintCommand::Print(std::span<const PrintRow> rows, const std::string& title) {
    if (rows.empty() || !CheckCount(rows.size())) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromLatin1(kDocumentName));
    if (!printers_.Choose(printer, parent_)) return;
    bool printed = false;
    {
        const WaitCursor waiting;
        printed = Render(printer, rows, title);
    }
    if (!printed) Tell(kPrintFailed);
}

void PrintCommand::Preview(std::span<const PrintRow> rows, const std::string& title) {
    if (rows.empty() || !CheckCount(rows.size())) return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent_);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [rows, &title](QPrinter* target) { (void)Render(*target, rows, title); });
    preview.exec();
}

void PrintCommand::Tell(int id) {
    messages_.Show({id, std::string(LoadString(id)), MessageIcon::kExclamation, MessageButtons::kOk,
                    MessageAnswer::kOk});
}

}  // namespace vendarion
