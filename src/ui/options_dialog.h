// "Optionen": the dial options (tones through the sound card or a modem line, the
// carrier prefix, the own area code and the outside-line prefix) and the group
// "Allgemein" (confirmation before dialling, tips at start-up, animations). Nothing
// is written before "OK", and nothing when a code field holds other than digits.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

#include "dial/tapi_dialer.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vendarion {

class Messages;
class Settings;

class OptionsDialog final : public QDialog {
    Q_OBJECT

public:
    // Shows the settings of a line's device, the options dialog as owner.
    using LineConfigurator = std::function<void(std::int32_t device, QWidget* owner)>;

    // lines: the enumerated lines; configure: what "Einstellungen..." does for the
    // chosen line (nothing when empty).
    OptionsDialog(Settings& settings, Messages& messages, TapiLineList lines,
                  QWidget* parent = nullptr, LineConfigurator configure = {});

    // For tests: the controls by their meaning.
    QRadioButton* Tones() const { return tones_; }
    QRadioButton* Modem() const { return modem_; }
    QCheckBox* Carrier() const { return carrier_; }
    QLineEdit* OwnAreaCode() const { return own_area_code_; }
    QLineEdit* OutsideLine() const { return outside_line_; }
    QComboBox* LineList() const { return line_list_; }
    QPushButton* LineSettings() const { return line_settings_; }
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
    void ConfigureLine();

    Settings& settings_;
    Messages& messages_;
    TapiLineList lines_;
    LineConfigurator configure_;
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
