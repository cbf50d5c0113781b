// The about box of "Inf&o...": the program, its version, the data set's version and
// size, and the sources and licences of the data.
#pragma once

class QWidget;

namespace vendarion {

class DataSet;

// Shows the box modally over parent. data must be open (its books are read for the
// number of entries, hence not const).
void ShowAboutBox(QWidget* parent, DataSet& data);

}  // namespace vendarion
