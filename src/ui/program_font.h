// The program's one font family: Arial, which the desktop's font configuration
// resolves to a metric-compatible face (Liberation Sans) where Arial is missing.
// Every widget uses it: the lists, card and status line at the point sizes they
// are drawn in, everything else at the desktop's default size. The column widths
// and the side panel were drawn for a narrower font; FontScale says by how much
// ours is wider.
#pragma once

#include <QFont>

class QApplication;

namespace vendarion {

// Makes the family the application's font, keeping the desktop's point size.
void UseProgramFont(QApplication& application);
QFont ProgramFont(int point_size, bool bold = false);

// Our list font's average character width over that of the font the default
// widths were drawn with (an 8-point sans serif at 96 dpi, 5 pixels a character);
// never below 1.
double FontScale(const QFont& font);
int Scaled(int pixels, double scale);

}  // namespace vendarion
