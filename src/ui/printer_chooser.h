// Where a print job goes: the desktop's print dialog in the program, a PDF file in
// tests.
#pragma once

class QPrinter;
class QWidget;

namespace vendarion {

class PrinterChooser {
public:
    virtual ~PrinterChooser() = default;
    // Sets the printer up for a job; false when the user cancelled.
    virtual bool Choose(QPrinter& printer, QWidget* parent) = 0;
};

}  // namespace vendarion
