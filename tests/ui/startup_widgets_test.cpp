// The widgets of start-up: the drive dialog, the start-up picture and the message
// boxes of the program.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/drive_dialog.h"
#include "gui_test_classes.h"
#include "support/fake_platform.h"
#include "support/temp_dir.h"
#include "ui/qt_messages.h"
#include "ui/startup_picture.h"

namespace vendarion::test {
namespace {

// Clicks the button with the text in the modal box once it is open; records the
// box's buttons and its default.
struct BoxClicker {
    QStringList buttons;
    QString default_button;

    void ClickLater(const QString& text) {
        QTimer::singleShot(0, [this, text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            for (QAbstractButton* button : box->buttons()) buttons.append(button->text());
            if (box->defaultButton() != nullptr) default_button = box->defaultButton()->text();
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == text) button->click();
            }
        });
    }
};

class StartupWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void DriveDialogStaysOpenUntilAMediumHoldsTheFile() {
        TempDir dir;
        FakePlatform platform;
        platform.drives = {{dir.File("empty"), DriveType::kOptical},
                           {dir.File("disc"), DriveType::kOptical}};
        ::mkdir(dir.File("disc").c_str(), 0755);
        ::mkdir(dir.File("disc/Vendario").c_str(), 0755);
        WriteFile(dir.File("disc/Vendario/Code.mf"), "x");
        const DriveChoice choice(platform, "Code.mf", dir.File("empty/Vendario/Code.mf"));
        DriveDialog dialog(choice);
        dialog.show();
        QCOMPARE(dialog.Drives()->count(), 2);
        QCOMPARE(dialog.Drives()->currentIndex(), 0);
        QCOMPARE(dialog.Drives()->itemText(1),
                 QStringLiteral(" ") + QString::fromStdString(dir.File("disc")));
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QPushButton* ok = nullptr;
        for (QAbstractButton* button : buttons->buttons()) {
            if (button->text() == QStringLiteral("OK")) ok = qobject_cast<QPushButton*>(button);
        }
        QVERIFY(ok != nullptr);
        ok->click();
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.Result().has_value());
        dialog.Drives()->setCurrentIndex(1);
        ok->click();
        QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(dialog.Result(), dir.File("disc/Vendario/Code.mf"));
    }

    void TheStartupPictureClosesItself() {
        StartupPicture picture(20);
        QCOMPARE(picture.size(), DrawStartupPicture().size());
        QCOMPARE(picture.exec(), static_cast<int>(QDialog::Accepted));
    }

    void MessageBoxesSpeakGermanAndKeepTheirDefault() {
        QtMessages messages;
        BoxClicker clicker;
        clicker.ClickLater(QStringLiteral("&Nein"));
        QCOMPARE(messages.Show({1001, "Vendarion wirklich beenden?", MessageIcon::kQuestion,
                                MessageButtons::kYesNo, MessageAnswer::kYes}),
                 MessageAnswer::kNo);
        QCOMPARE(clicker.buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")}));
        QCOMPARE(clicker.default_button, QStringLiteral("&Ja"));

        BoxClicker question;
        question.ClickLater(QStringLiteral("OK"));
        QCOMPARE(messages.Show({1338, "x", MessageIcon::kExclamation, MessageButtons::kOkCancel,
                                MessageAnswer::kCancel}),
                 MessageAnswer::kOk);
        QCOMPARE(question.default_button, QStringLiteral("Abbrechen"));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeStartupWidgetsTest() { return std::make_unique<StartupWidgetsTest>(); }

}  // namespace vendarion::test

#include "startup_widgets_test.moc"
