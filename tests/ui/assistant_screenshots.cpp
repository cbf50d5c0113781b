// Pictures of every page of the search assistant over a data set, as the user fills
// them in: the first page with remembered inputs, the town question, the town page
// with a postal code and its hint, the Internet page, the name page with a town and
// over the whole country, first name and street, and the last page.
//   vendarion-assistant-screenshots --data DIR --out DIR
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <cstdio>
#include <string>

#include "base/messages.h"
#include "store/data_set.h"
#include "ui/assistant_name_pages.h"
#include "ui/assistant_simple_pages.h"
#include "ui/assistant_town_page.h"
#include "ui/field_edit.h"
#include "ui/program_font.h"
#include "ui/search_assistant.h"

namespace vendarion {
namespace {

class SilentMessages final : public Messages {
public:
    MessageAnswer Show(const Message& message) override { return message.default_answer; }
};

struct Shooter {
    SearchAssistant& frame;
    std::string out;
    bool saved = true;

    void Save(const char* name) {
        QTest::qWait(100);
        const QSize size = frame.screen()->size();
        const std::string path = out + "/assistant-" + name + "-" + std::to_string(size.width()) +
                                 "x" + std::to_string(size.height()) + ".png";
        const bool ok = frame.grab().save(QString::fromStdString(path));
        std::printf("%s %s\n", ok ? "wrote" : "cannot write", path.c_str());
        saved = saved && ok;
    }
};

void Type(QWidget* widget, const QString& text) {
    widget->setFocus();
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

int Run(const std::string& data_dir, const std::string& out) {
    DataSet data;
    if (data.Open(data_dir) != DataSetStep::kComplete) {
        std::fprintf(stderr, "cannot open the data set in %s\n", data_dir.c_str());
        return 1;
    }
    SilentMessages messages;
    AssistantCriteria criteria;
    criteria.present = true;
    criteria.town_book = -1;
    SearchAssistant frame(data, messages, criteria);
    frame.show();
    (void)QTest::qWaitForWindowExposed(&frame);
    Shooter shooter{frame, out};
    shooter.Save("1-where");
    frame.GoNext();
    frame.TownKnown()->Yes()->setChecked(true);
    shooter.Save("2-town-known");
    frame.GoNext();
    frame.Town()->Radio(TownChoice::kPostalCode)->setChecked(true);
    Type(frame.Town()->Edit(TownChoice::kPostalCode), QStringLiteral("50"));
    shooter.Save("3-town");
    frame.GoNext();
    Type(frame.Name()->NameEdit(), QStringLiteral("Meier"));
    shooter.Save("5-name");
    frame.GoNext();
    Type(frame.More()->FirstNameEdit(), QStringLiteral("Anna"));
    Type(frame.More()->StreetEdit(), QStringLiteral("Ha"));
    shooter.Save("6-more");
    frame.GoNext();
    shooter.Save("7-ready");
    for (int page = 0; page < 4; ++page) frame.GoBack();
    frame.TownKnown()->No()->setChecked(true);
    frame.GoNext();
    shooter.Save("5-name-country");
    frame.GoBack();
    frame.GoBack();
    frame.Where()->Internet()->setChecked(true);
    frame.GoNext();
    Type(frame.InternetPlace()->Edit(TownChoice::kName), QStringLiteral("Berlin"));
    shooter.Save("4-internet");
    frame.done(QDialog::Rejected);
    return shooter.saved ? 0 : 1;
}

}  // namespace
}  // namespace vendarion

int main(int argc, char** argv) {
    if (argc != 5 || std::string(argv[1]) != "--data" || std::string(argv[3]) != "--out") {
        std::fprintf(stderr, "usage: vendarion-assistant-screenshots --data DIR --out DIR\n");
        return 2;
    }
    QApplication application(argc, argv);
    vendarion::UseProgramFont(application);
    return vendarion::Run(argv[2], argv[4]);
}
