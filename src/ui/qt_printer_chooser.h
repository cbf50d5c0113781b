// The desktop's print dialog: any printer it offers, or a PDF file. One copy; no
// page range and no selection to choose, since the marked rows are printed.
#pragma once

#include "ui/printer_chooser.h"

namespace vendarion {

class QtPrinterChooser final : public PrinterChooser {
public:
    bool Choose(QPrinter& printer, QWidget* parent) override;
};

}  // namespace vendarion
