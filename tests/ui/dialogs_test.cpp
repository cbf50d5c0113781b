// The small dialogs on their own: the options (what they read, enable, check and
// write on "OK") and the carrier notice's answers.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <fstream>

#include "base/setting_names.h"
#include "dial/modem_line.h"
#include "dial/modem_settings.h"
#include "gui_test_classes.h"
#include "modem_emulator.h"
#include "support/memory_settings.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "ui/carrier_notice_dialog.h"
#include "ui/desktop_url_opener.h"
#include "ui/line_settings_dialog.h"
#include "ui/options_dialog.h"
#include "ui/tips_dialog.h"

namespace vendarion::test {
namespace {

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void TheOptionsRefuseCodesThatAreNotDigits() {
        MemorySettings settings;
        ScriptedMessages messages;
        OptionsDialog dialog(settings, messages, {});
        dialog.show();
        dialog.OwnAreaCode()->setText(QStringLiteral("030 1"));
        dialog.accept();
        QCOMPARE(messages.ShownIds(), std::vector<int>{1321});
        QVERIFY(dialog.isVisible());
        QVERIFY(!settings.Has("DialVorwahl"));
        QTRY_VERIFY(dialog.OwnAreaCode()->hasFocus());
        dialog.OwnAreaCode()->setText(QStringLiteral("030"));
        dialog.OutsideLine()->setText(QStringLiteral("0#"));
        messages.Clear();
        dialog.accept();
        QCOMPARE(messages.ShownIds(), std::vector<int>{1321});
        QTRY_VERIFY(dialog.OutsideLine()->hasFocus());
        // The fields take no more than their codes can have.
        QCOMPARE(dialog.OwnAreaCode()->maxLength(), 6);
        QCOMPARE(dialog.OutsideLine()->maxLength(), 4);
    }

    void WithoutLinesTheOptionsStoreToneDialling() {
        MemorySettings settings;
        (void)Write(settings, setting::kDialUsingTAPI, 1);
        ScriptedMessages messages;
        OptionsDialog dialog(settings, messages, {});
        QVERIFY(dialog.Tones()->isChecked());
        QVERIFY(!dialog.Modem()->isEnabled());
        QVERIFY(!dialog.LineList()->isEnabled());
        QVERIFY(dialog.Carrier()->isEnabled());
        dialog.OwnAreaCode()->setText(QStringLiteral("089"));
        dialog.accept();
        QVERIFY(messages.Shown().empty());
        QCOMPARE(Read(settings, setting::kDialUsingTAPI), 0);
        QCOMPARE(Read(settings, setting::kTAPIModem), std::string());
        QCOMPARE(Read(settings, setting::kTAPIDeviceId), 0);
        QCOMPARE(Read(settings, setting::kDialVorwahl), std::string("089"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void AChosenLineIsRememberedAndDisablesTheToneFields() {
        MemorySettings settings;
        (void)Write(settings, setting::kDialUsingTAPI, 1);
        (void)Write(settings, setting::kTAPIModem, "Modem B");
        (void)Write(settings, setting::kTAPIDeviceId, 7);
        ScriptedMessages messages;
        OptionsDialog dialog(settings, messages, {{"Modem A", 3}, {"Modem B", 7}});
        QVERIFY(dialog.Modem()->isChecked());
        QCOMPARE(dialog.LineList()->currentIndex(), 1);
        QVERIFY(dialog.LineList()->isEnabled());
        QVERIFY(!dialog.Carrier()->isEnabled());
        QVERIFY(!dialog.OwnAreaCode()->isEnabled());
        dialog.Tones()->setChecked(true);
        QVERIFY(dialog.Carrier()->isEnabled());
        QVERIFY(!dialog.LineList()->isEnabled());
        dialog.LineList()->setCurrentIndex(0);
        dialog.accept();
        QCOMPARE(Read(settings, setting::kDialUsingTAPI), 0);
        QCOMPARE(Read(settings, setting::kTAPIModem), std::string("Modem A"));
        QCOMPARE(Read(settings, setting::kTAPIDeviceId), 3);
    }

    void TheLineSettingsButtonConfiguresTheChosenLine() {
        MemorySettings settings;
        ScriptedMessages messages;
        std::vector<std::int32_t> configured;
        OptionsDialog dialog(settings, messages, {{"Modem A", 3}, {"Modem B", 7}}, nullptr,
                             [&configured, &dialog](std::int32_t device, QWidget* owner) {
                                 QCOMPARE(owner, &dialog);
                                 configured.push_back(device);
                             });
        QVERIFY(!dialog.LineSettings()->isEnabled());
        dialog.Modem()->setChecked(true);
        QVERIFY(dialog.LineSettings()->isEnabled());
        dialog.LineList()->setCurrentIndex(1);
        dialog.LineSettings()->click();
        QCOMPARE(configured, std::vector<std::int32_t>{7});
    }

    void TheLineSettingsTestTheModemAndStoreOnOk() {
        MemorySettings settings;
        ModemEmulator modem;
        ModemLine line(settings, {modem.Port(), {}}, {});
        {
            LineSettingsDialog dialog(settings, line);
            QCOMPARE(dialog.Speed()->currentText(), QStringLiteral("115200"));
            QCOMPARE(dialog.Init()->text(), QStringLiteral("ATZ"));
            dialog.Test()->click();
            QCOMPARE(dialog.Answer()->toPlainText(), QStringLiteral("Acme Voice Modem V1.0"));
            QCOMPARE(QString::fromStdString(modem.Received()), QStringLiteral("ATI\r"));
            dialog.Speed()->setCurrentText(QStringLiteral("57600"));
            dialog.Init()->setText(QStringLiteral("AT&F"));
            dialog.reject();
        }
        QCOMPARE(ReadModemSettings(settings, modem.Port()).init, std::string("ATZ"));
        LineSettingsDialog dialog(settings, line);
        dialog.Speed()->setCurrentText(QStringLiteral("57600"));
        dialog.Init()->setText(QStringLiteral("AT&F"));
        dialog.accept();
        QCOMPARE(ReadModemSettings(settings, modem.Port()).speed, 57600);
        QCOMPARE(ReadModemSettings(settings, modem.Port()).init, std::string("AT&F"));
        ModemEmulator silent({.silent = true});
        ModemLine mute(settings, {silent.Port(), {}}, {});
        LineSettingsDialog unanswered(settings, mute);
        unanswered.Test()->click();
        QCOMPARE(unanswered.Answer()->toPlainText(), QStringLiteral("Das Modem antwortet nicht."));
    }

    void TheDesktopsTelProgramIsFoundThroughXdgMime() {
        if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) {
            QSKIP("xdg-mime is not installed");
        }
        TempDir dir;
        // Only the temporary folder's programs count, not those of this machine.
        const std::vector<std::pair<const char*, std::string>> folders{
            {"XDG_CONFIG_HOME", "/config"},
            {"XDG_DATA_HOME", "/data"},
            {"XDG_CONFIG_DIRS", "/none"},
            {"XDG_DATA_DIRS", "/none"}};
        std::vector<QByteArray> kept;
        for (const auto& [name, folder] : folders) {
            kept.push_back(qgetenv(name));
            qputenv(name, QByteArray::fromStdString(dir.path() + folder));
        }
        {
            DesktopUrlOpener none;
            QVERIFY(!none.HasHandler("tel"));
        }
        QVERIFY(QDir().mkpath(QString::fromStdString(dir.path() + "/data/applications")));
        QVERIFY(QDir().mkpath(QString::fromStdString(dir.path() + "/config")));
        std::ofstream(dir.path() + "/config/mimeapps.list")
            << "[Default Applications]\nx-scheme-handler/tel=fakephone.desktop\n";
        std::ofstream(dir.path() + "/data/applications/fakephone.desktop")
            << "[Desktop Entry]\nType=Application\nName=Fake\nExec=true %u\n"
               "MimeType=x-scheme-handler/tel;\n";
        DesktopUrlOpener desktop;
        desktop.Prepare("tel");
        QVERIFY(desktop.HasHandler("tel"));
        // The answer is kept.
        QVERIFY(desktop.HasHandler("tel"));
        for (std::size_t i = 0; i < folders.size(); ++i) {
            if (kept[i].isNull()) {
                qunsetenv(folders[i].first);
            } else {
                qputenv(folders[i].first, kept[i]);
            }
        }
    }

    void TheCarrierOptionSwitchedOnShowsTheNoticeAgain() {
        MemorySettings settings;
        (void)Write(settings, setting::kDialMorvanta, 0);
        (void)Write(settings, setting::kMorvantaNotice, 0);
        ScriptedMessages messages;
        OptionsDialog dialog(settings, messages, {});
        QVERIFY(!dialog.Carrier()->isChecked());
        dialog.Carrier()->setChecked(true);
        dialog.accept();
        QCOMPARE(Read(settings, setting::kDialMorvanta), 1);
        QCOMPARE(Read(settings, setting::kMorvantaNotice), 1);
    }

    void TheAnimationsTakeEffectAtTheNextStartAndSaySoOnce() {
        MemorySettings settings;
        ScriptedMessages messages;
        {
            OptionsDialog dialog(settings, messages, {});
            QVERIFY(dialog.Animations()->isChecked());
            QVERIFY(dialog.TipsAtStart()->isChecked());
            QVERIFY(dialog.Confirm()->isChecked());
            dialog.Animations()->setChecked(false);
            dialog.TipsAtStart()->setChecked(false);
            dialog.Confirm()->setChecked(false);
            dialog.accept();
        }
        QCOMPARE(messages.ShownIds(), std::vector<int>{1514});
        QCOMPARE(messages.Shown()[0].icon, MessageIcon::kInformation);
        QCOMPARE(Read(settings, setting::kSingleAnimation), 1);
        QCOMPARE(Read(settings, setting::kTipsOnStartup), 0);
        QCOMPARE(Read(settings, setting::kConfirmDial), 0);
        messages.Clear();
        OptionsDialog again(settings, messages, {});
        QVERIFY(!again.Animations()->isChecked());
        again.accept();
        QVERIFY(messages.Shown().empty());
    }

    void StartUpTipsMoveOnAndCanBeSwitchedOff() {
        MemorySettings settings;
        ScriptedMessages messages;
        const std::string five = "5\r\nA\r\nB\r\nC\r\nD\r\nE\r\n";
        (void)Write(settings, setting::kTATIndex, 4);
        {
            std::unique_ptr<TipsDialog> tips = TipsDialog::Open(five, settings, messages, true);
            QVERIFY(tips != nullptr);
            QCOMPARE(tips->Index(), 4);
            QCOMPARE(tips->Text(), QStringLiteral("E"));
            QVERIFY(!tips->DoNotShowAgain()->isHidden());
            tips->reject();
        }
        QCOMPARE(Read(settings, setting::kTATIndex), 5);
        QCOMPARE(Read(settings, setting::kTipsOnStartup), 1);
        {
            // Past the end the first tip comes; "Zurück" goes round to the last.
            std::unique_ptr<TipsDialog> tips = TipsDialog::Open(five, settings, messages, true);
            QCOMPARE(tips->Index(), 0);
            tips->Previous();
            QCOMPARE(tips->Text(), QStringLiteral("E"));
            tips->Next();
            QCOMPARE(tips->Index(), 0);
            tips->DoNotShowAgain()->setChecked(true);
            tips->reject();
        }
        QCOMPARE(Read(settings, setting::kTipsOnStartup), 0);
        QCOMPARE(Read(settings, setting::kTATIndex), 1);
        {
            // From the menu: no check box, and nothing is written.
            std::unique_ptr<TipsDialog> tips = TipsDialog::Open(five, settings, messages, false);
            QVERIFY(tips->DoNotShowAgain()->isHidden());
            tips->Next();
            tips->reject();
        }
        QCOMPARE(Read(settings, setting::kTATIndex), 1);
        QVERIFY(messages.Shown().empty());
    }

    void TipsThatCannotBeShownNeverOpen() {
        MemorySettings settings;
        ScriptedMessages messages;
        QVERIFY(TipsDialog::Open("", settings, messages, true) == nullptr);
        QVERIFY(TipsDialog::Open("5\r\n", settings, messages, true) == nullptr);
        QVERIFY(messages.Shown().empty());
        // A member that declares no tips says so and stops the start-up tips.
        QVERIFY(TipsDialog::Open("Tipp 1\r\n", settings, messages, true) == nullptr);
        QCOMPARE(messages.ShownIds(), std::vector<int>{1326});
        QCOMPARE(Read(settings, setting::kTipsOnStartup), 0);
    }

    void TheCarrierNoticeAnswersWithItsCodes() {
        CarrierNoticeDialog notice;
        QVERIFY(!notice.DoNotShowAgain()->isChecked());
        notice.accept();
        QCOMPARE(notice.ResultCode(), 1);
        notice.DoNotShowAgain()->setChecked(true);
        notice.accept();
        QCOMPARE(notice.ResultCode(), 7);
        notice.reject();
        QCOMPARE(notice.ResultCode(), 2);
    }
};

}  // namespace

std::unique_ptr<QObject> MakeDialogsTest() { return std::make_unique<DialogsTest>(); }

}  // namespace vendarion::test

#include "dialogs_test.moc"
