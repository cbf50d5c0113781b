// The export dialog "Namen exportieren": the format, the destination (the clipboard
// or a file) and the file's name. It opens with the stored choice; "&Exportieren"
// stores the choice and closes, unless a file is to be written and no name is given
// (the dialog then says so and stays open). User-interface thread only.
#pragma once

#include <QDialog>

#include "output/export_handover.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vendarion {

class FileChooser;
class Messages;
class Settings;

class ExportDialog final : public QDialog {
    Q_OBJECT

public:
    // The services must outlive the dialog.
    ExportDialog(QWidget* parent, Settings& settings, Messages& messages, FileChooser& files);

    // The choice "&Exportieren" stored; meaningful after the dialog was accepted.
    const ExportChoice& Choice() const { return choice_; }

    QComboBox* Formats() const { return formats_; }
    QRadioButton* ClipboardButton() const { return clipboard_; }
    QRadioButton* FileButton() const { return file_; }
    QLineEdit* FileNameEdit() const { return file_name_; }
    QPushButton* BrowseButton() const { return browse_; }
    QPushButton* ExportButton() const { return export_; }

private:
    void BuildLayout();
    void UpdateFileControls();
    void OnFormatChosen(int format);
    void OnBrowse();
    void OnExport();

    Settings& settings_;
    Messages& messages_;
    FileChooser& files_;
    ExportChoice choice_;
    QComboBox* formats_;
    QRadioButton* clipboard_;
    QRadioButton* file_;
    QLineEdit* file_name_;
    QPushButton* browse_;
    QPushButton* export_;
};

}  // namespace vendarion
