// "Optionen": the dial options (tones through the sound card or a modem line, the
// carrier prefix, the own area code and the outside-line prefix) and the group
// "Allgemein" (confirmation before dialling, tips at start-up, animations). Nothing
// is written before "OK", and nothing when a code field holds other than digits.
#pragma once

#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vendarion {

class Messages;
class Settings;

// A modem line the options offer: its name and device identifier.
struct DialLine {
    std::string name;
    std::int32_t device = 0;
};

class OptionsDialog final : public QDialog {
    Q_OBJECT

public:
    OptionsDialog(Settings& settings, Messages& messages, std::vector<DialLine> lines,
                  QWidget* parent = nullptr);

    // For tests: the controls by their meaning.
    QRadioButton* Tones() const { return tones_; }
    QRadioButton* Modem() const { return modem_; }
    QCheckBox* Carrier() const { return carrier_; }
    QLineEdit* OwnAreaCode() const { return own_area_code_; }
    QLineEdit* OutsideLine() const { return outside_line_; }
    QComboBox* LineList() const { return line_list_; }
    QCheckBox* Confirm() const { return confirm_; }
    QCheckBox* TipsAtStart() const { return tips_; }
    QCheckBox* Animations() const { return animations_; }

    // "OK": checks and stores; the dialog stays open after message 1321.
    void accept() override;

private:
    QWidget* MakeDialGroup();
    QWidget* MakeGeneralGroup();
    void Load();
    void ApplyEnabling();

    Settings& settings_;
    Messages& messages_;
    std::vector<DialLine> lines_;
    QRadioButton* tones_ = nullptr;
    QRadioButton* modem_ = nullptr;
    QCheckBox* carrier_ = nullptr;
    QLabel* own_area_code_label_ = nullptr;
    QLineEdit* own_area_code_ = nullptr;
    QLabel* outside_line_label_ = nullptr;
    QLineEdit* outside_line_ = nullptr;
    QComboBox* line_list_ = nullptr;
    QPushButton* line_settings_ = nullptr;
    QCheckBox* confirm_ = nullptr;
    QCheckBox* tips_ = nullptr;
    QCheckBox* animations_ = nullptr;
};

}  // namespace vendarion
