#include "ui/about_box.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/data_set.h"
#include "ui/about_text.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kProgramNameText = 3101;
constexpr int kOkText = 3103;

AboutFacts FactsOf(DataSet& data) {
    AboutFacts facts;
    facts.program_version = QStringLiteral(VENDARION_VERSION);
    const ArchiveVersion version = data.IndexArchive().Version();
    facts.data_major_version = version.major;
    facts.data_minor_version = version.minor;
    facts.entries = data.Books().Table().Count();
    return facts;
}

}  // namespace

void ShowAboutBox(QWidget* parent, DataSet& data) {
    QDialog box(parent);
    box.setObjectName(QStringLiteral("aboutBox"));
    box.setWindowTitle(QStringLiteral("Info über %1").arg(UiString(kProgramNameText)));
    auto* text = new QLabel(AboutText(FactsOf(data)), &box);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setOpenExternalLinks(true);
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    text->setMinimumWidth(text->fontMetrics().averageCharWidth() * 90);
    auto* buttons = new QDialogButtonBox(&box);
    buttons->addButton(UiString(kOkText), QDialogButtonBox::AcceptRole)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(text);
    layout->addWidget(buttons);
    box.exec();
}

}  // namespace vendarion
