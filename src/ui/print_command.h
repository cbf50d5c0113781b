// "Drucken..." and "Druckvorschau...": the marked entries as address blocks, to a
// printer or a PDF file chosen in the print dialog, or in a preview that shows
// exactly what would be printed. At most 75 entries at once.
#pragma once

#include <span>
#include <string>

#include "output/print_layout.h"

class QPrinter;
class QWidget;

namespace vendarion {

class Messages;
class PrinterChooser;

class PrintCommand {
public:
    PrintCommand(QWidget* parent, Messages& messages, PrinterChooser& printers)
        : parent_(parent), messages_(messages), printers_(printers) {}

    // title: the title of the list the rows come from.
    void Print(std::span<const PrintRow> rows, const std::string& title);
    void Preview(std::span<const PrintRow> rows, const std::string& title);

    // Lays the rows out for the printer and paints them; false when the printer
    // cannot be painted on (no device, a file that cannot be written).
    [[nodiscard]] static bool Render(QPrinter& printer, std::span<const PrintRow> rows,
                                     const std::string& title);

private:
    // False (after message 1306) when there are too many rows.
    bool CheckCount(std::size_t rows);
    void Tell(int id);

    QWidget* parent_;
    Messages& messages_;
    PrinterChooser& printers_;
};

}  // namespace vendarion
