// The program's one font family: Arial, which the desktop's font configuration
// resolves to a metric-compatible face (Liberation Sans) where Arial is missing.
// Every widget uses it: the lists, card and status line at the point sizes they
// are drawn in, everything else at the desktop's default size.
//
// The default column widths and the width of the side panel are pixels for an
// 8-point sans serif at 96 dpi, whose letters are 5.5 pixels wide on average;
// FontScale says how much wider the letters of a font of ours are.
#pragma once

#include <QFont>

class QApplication;

namespace vendarion {

// Makes the family the application's font, keeping the desktop's point size.
void UseProgramFont(QApplication& application);
QFont ProgramFont(int point_size, bool bold = false);

// The average width of the 52 Latin letters as the font draws them.
double AverageLetterWidth(const QFont& font);
// AverageLetterWidth over that of the font the default widths are for; never
// below 1.
double FontScale(const QFont& font);
int Scaled(int pixels, double scale);

}  // namespace vendarion
