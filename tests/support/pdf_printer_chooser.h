// Print jobs for tests: into a PDF file of a given path, or cancelled when the path
// is empty; every request is counted.
#pragma once

#include <QPrinter>
#include <string>

#include "ui/printer_chooser.h"

namespace vendarion::test {

class PdfPrinterChooser final : public PrinterChooser {
public:
    bool Choose(QPrinter& printer, QWidget*) override {
        ++asked;
        if (path.empty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(path));
        return true;
    }

    std::string path;  // empty: the user cancels
    int asked = 0;
};

}  // namespace vendarion::test
