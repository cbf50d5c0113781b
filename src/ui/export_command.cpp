#include "ui/export_command.h"

#include <QApplication>
#include <QClipboard>
#include <string>

#include "base/cp1252.h"
#include "base/messages.h"
#include "output/export_handover.h"
#include "resources/string_table.h"
#include "ui/export_dialog.h"
#include "ui/wait_cursor.h"

namespace vendarion {
namespace {

// The export's messages: failures with the exclamation icon, successes with the
// information icon.
void Tell(Messages& messages, const ExportMessage& message) {
    if (message.message == 0) return;
    std::string text;
    if (message.message == export_message::kFileFailed) {
        // The path is UTF-8, the message Windows-1252.
        text = FormatString(message.message, Utf8ToCp1252(message.text));
    } else if (message.number != 0) {
        text = FormatString(message.message, message.number);
    } else {
        text = std::string(LoadString(message.message));
    }
    const bool failed = message.message == export_message::kFileFailed ||
                        message.message == export_message::kClipboardFailed ||
                        message.message == export_message::kTooMany;
    messages.Show({message.message, std::move(text),
                   failed ? MessageIcon::kExclamation : MessageIcon::kInformation,
                   MessageButtons::kOk, MessageAnswer::kOk});
}

// True when the clipboard holds the text afterwards.
bool PutOnClipboard(const std::string& utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(text);
    // The toolkit reports no failure of its own: the clipboard must read back the text.
    return clipboard->text() == text;
}

}  // namespace

ExportCommand::ExportCommand(QWidget* parent, Settings& settings, Messages& messages,
                             FileChooser& files)
    : parent_(parent), settings_(settings), messages_(messages), files_(files) {}

void ExportCommand::Run(std::span<const SubscriberEntry> entries, int selected_rows) {
    if (selected_rows <= 0) return;
    if (const int refusal = CheckExportSelection(selected_rows); refusal != 0) {
        Tell(messages_, {refusal, 0, {}});
        return;
    }
    ExportDialog dialog(parent_, settings_, messages_, files_);
    if (dialog.exec() != QDialog::Accepted || entries.empty()) return;
    const ExportChoice& choice = dialog.Choice();
    ExportMessage outcome;
    {
        const WaitCursor wait;
        if (choice.to_clipboard) {
            // A text that cannot be built is not handed over, and not reported.
            const std::string text = BuildClipboardText(entries, choice.format);
            if (text.empty()) return;
            outcome = ClipboardExportMessage(PutOnClipboard(text), selected_rows);
        } else {
            outcome = ExportToFile(entries, choice.format, choice.file_name, selected_rows);
        }
    }
    Tell(messages_, outcome);
}

}  // namespace vendarion
