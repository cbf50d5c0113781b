#include "ui/export_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

#include "base/messages.h"
#include "output/export_format.h"
#include "resources/string_table.h"
#include "ui/file_chooser.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kFormatLabel = 1041;
constexpr int kClipboardText = 1043;
constexpr int kFileText = 1044;
constexpr int kBrowseText = 1046;
constexpr int kSaveAsTitle = 1901;
constexpr int kCancelText = 3104;
constexpr int kDialogTitle = 3201;
constexpr int kTargetGroup = 3202;
constexpr int kExportText = 3203;
constexpr int kAllFilesText = 3204;

// The save dialog's file types: the chosen format's, then every file.
QString FilterOf(const ExportFormat& format) {
    const QString pattern = ToQString(format.file_pattern);
    return ToQString(format.display_name) + QStringLiteral(" (") + pattern + QStringLiteral(");;") +
           UiString(kAllFilesText) + QStringLiteral(" (*)");
}

}  // namespace

ExportDialog::ExportDialog(QWidget* parent, Settings& settings, Messages& messages,
                           FileChooser& files)
    : QDialog(parent),
      settings_(settings),
      messages_(messages),
      files_(files),
      choice_(ReadExportChoice(settings)),
      formats_(new QComboBox(this)),
      clipboard_(new QRadioButton(UiString(kClipboardText), this)),
      file_(new QRadioButton(UiString(kFileText), this)),
      file_name_(new QLineEdit(this)),
      browse_(new QPushButton(UiString(kBrowseText), this)),
      export_(new QPushButton(UiString(kExportText), this)) {
    setWindowTitle(UiString(kDialogTitle));
    BuildLayout();
    for (const ExportFormat& format : ExportFormats()) {
        formats_->addItem(ToQString(format.display_name));
    }
    formats_->setCurrentIndex(choice_.format);
    (choice_.to_clipboard ? clipboard_ : file_)->setChecked(true);
    file_name_->setText(QString::fromStdString(choice_.file_name));
    UpdateFileControls();
    connect(formats_, &QComboBox::currentIndexChanged, this, &ExportDialog::OnFormatChosen);
    connect(clipboard_, &QRadioButton::toggled, this, &ExportDialog::UpdateFileControls);
    connect(browse_, &QPushButton::clicked, this, &ExportDialog::OnBrowse);
    connect(export_, &QPushButton::clicked, this, &ExportDialog::OnExport);
}

void ExportDialog::BuildLayout() {
    auto* format_row = new QFormLayout;
    auto* format_label = new QLabel(UiString(kFormatLabel), this);
    format_label->setBuddy(formats_);
    format_row->addRow(format_label, formats_);

    auto* target = new QGroupBox(UiString(kTargetGroup), this);
    auto* file_row = new QHBoxLayout;
    file_row->addWidget(file_);
    file_row->addWidget(file_name_, 1);
    file_row->addWidget(browse_);
    auto* target_layout = new QVBoxLayout(target);
    target_layout->addWidget(clipboard_);
    target_layout->addLayout(file_row);
    file_name_->setMinimumWidth(fontMetrics().averageCharWidth() * 40);

    // "&Exportieren" decides itself whether the dialog closes, so the buttons are
    // plain buttons rather than a button box's accept and reject.
    auto* cancel = new QPushButton(UiString(kCancelText), this);
    export_->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(export_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(format_row);
    layout->addWidget(target);
    layout->addLayout(buttons);
}

void ExportDialog::UpdateFileControls() {
    const bool to_file = file_->isChecked();
    file_name_->setEnabled(to_file);
    browse_->setEnabled(to_file);
}

void ExportDialog::OnFormatChosen(int format) {
    if (format < 0) return;
    const std::string renamed = FileNameForFormat(file_name_->text().toStdString(), format);
    file_name_->setText(QString::fromStdString(renamed));
    file_name_->end(false);
}

void ExportDialog::OnBrowse() {
    const int format = formats_->currentIndex();
    if (format < 0) return;
    const SaveFileQuestion question{UiString(kSaveAsTitle), file_name_->text(),
                                    FilterOf(ExportFormats()[static_cast<std::size_t>(format)])};
    if (const std::optional<QString> chosen = files_.SaveFileName(this, question)) {
        file_name_->setText(*chosen);
        file_name_->end(false);
    }
}

void ExportDialog::OnExport() {
    if (formats_->currentIndex() < 0) return;
    choice_.format = formats_->currentIndex();
    choice_.to_clipboard = clipboard_->isChecked();
    choice_.file_name = file_name_->text().toStdString();
    const int refusal = StoreExportChoice(settings_, choice_);
    if (refusal == 0) {
        accept();
        return;
    }
    messages_.Show({refusal, std::string(LoadString(refusal)), MessageIcon::kExclamation,
                    MessageButtons::kOk, MessageAnswer::kOk});
    file_name_->setFocus();
}

}  // namespace vendarion
