// "Einstellungen der Leitung": the settings of one modem line (its port, speed and
// init string) and a test that asks the modem who it is ("ATI") and shows the
// answer. The settings are written on "OK" only.
#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vendarion {

class ModemLine;
class Settings;
class TapiDialer;

class LineSettingsDialog final : public QDialog {
    Q_OBJECT

public:
    LineSettingsDialog(Settings& settings, ModemLine& modem, QWidget* parent = nullptr);

    // For tests: the controls by their meaning.
    QComboBox* Speed() const { return speed_; }
    QLineEdit* Init() const { return init_; }
    QPushButton* Test() const { return test_; }
    QPlainTextEdit* Answer() const { return answer_; }

    void accept() override;

private:
    void RunTest();

    Settings& settings_;
    ModemLine& modem_;
    QComboBox* speed_ = nullptr;
    QLineEdit* init_ = nullptr;
    QPushButton* test_ = nullptr;
    QPlainTextEdit* answer_ = nullptr;
};

// What "Einstellungen..." of the options does: the dialog for a modem line, nothing
// for other devices.
void ShowLineSettings(Settings& settings, TapiDialer& lines, std::int32_t device, QWidget* owner);

}  // namespace vendarion
