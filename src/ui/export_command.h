// The export command: the selected entries of a list go through the export dialog
// to the clipboard or to a file, and the user is told how it went. User-interface
// thread only.
#pragma once

#include <span>

#include "store/subscriber_entry.h"

class QWidget;

namespace vendarion {

class FileChooser;
class Messages;
class Settings;

class ExportCommand {
public:
    // parent: the dialog's parent. The services must outlive the command.
    ExportCommand(QWidget* parent, Settings& settings, Messages& messages, FileChooser& files);

    // entries: the selected rows read into entries, in list order (rows that could not
    // be read left out); selected_rows: how many rows are selected, the number the
    // limit and the success messages count. Nothing happens without a selected row;
    // more than kMaxExportRows are refused before the dialog opens.
    void Run(std::span<const SubscriberEntry> entries, int selected_rows);

private:
    QWidget* parent_;
    Settings& settings_;
    Messages& messages_;
    FileChooser& files_;
};

}  // namespace vendarion
