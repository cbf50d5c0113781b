#include "note_card.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "base/messages.h"
#include "personal/desktop_note.h"
#include "personal/note_socket.h"
#include "personal/note_store_file.h"
#include "resources/string_table.h"
#include "search/result_line.h"
#include "ui/card_text.h"
#include "ui/program_font.h"
#include "ui/ui_text.h"

namespace vendarion {
namespace {

constexpr int kNoteMissing = 1351;
constexpr int kStoreUnreadable = 1352;
constexpr int kNotSaved = 1353;
constexpr int kCloseUnsaved = 1355;
constexpr int kConnectMilliseconds = 250;

void Tell(Messages& messages, int id, const std::string& argument = {}) {
    const std::string text =
        argument.empty() ? std::string(LoadString(id)) : FormatString(id, argument);
    messages.Show({id, text, MessageIcon::kExclamation, MessageButtons::kOk, MessageAnswer::kOk});
}

// Tells every running main window that the note store changed.
void TellMainWindows() {
    const std::string folder = NoteSocketFolder();
    if (folder.empty()) return;
    for (const std::string& path : LiveNoteSockets(folder)) {
        QLocalSocket socket;
        socket.connectToServer(QString::fromStdString(path));
        if (!socket.waitForConnected(kConnectMilliseconds)) continue;
        socket.write(kNoteStoreChanged.data(), static_cast<qint64>(kNoteStoreChanged.size()));
        (void)socket.waitForBytesWritten(kConnectMilliseconds);
        socket.disconnectFromServer();
    }
}

// The note text as the store keeps it: Windows-1252 without zero bytes.
std::string StoredText(const QString& text) {
    std::string cp1252 = FromQString(text);
    std::erase(cp1252, '\0');
    return cp1252;
}

}  // namespace

std::unique_ptr<NoteCard> NoteCard::Open(const std::string& store_path, std::int32_t note_id,
                                         Messages& messages) {
    EntryStore store;
    if (!store.Load(store_path)) {
        Tell(messages, kStoreUnreadable, store_path);
        return nullptr;
    }
    const int position = store.FindValue(note_id);
    if (position < 0) {
        Tell(messages, kNoteMissing);
        return nullptr;
    }
    std::unique_ptr<NoteCard> card(new NoteCard(store_path, note_id, messages));
    const SubscriberEntry& entry = store.EntryAt(position);
    card->ShowEntry(EntryCard([&entry](int column) { return EntryCellText(entry, column); }));
    card->setWindowTitle(ToQString(NoteTitle(entry)) + QStringLiteral(" \u2013 Memolet"));
    {
        // Loading the stored text is no change.
        const QSignalBlocker quiet(card->editor_);
        card->editor_->setPlainText(ToQString(store.NoteTextAt(position)));
    }
    card->editor_->moveCursor(QTextCursor::End);
    return card;
}

NoteCard::NoteCard(std::string store_path, std::int32_t note_id, Messages& messages)
    : store_path_(std::move(store_path)), note_id_(note_id), messages_(messages) {
    // A note on the desktop: dark text on a pale yellow card, readable in any theme.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xF6, 0xC8));
    palette.setColor(QPalette::Base, QColor(0xFF, 0xFB, 0xE3));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(0x80, 0x78, 0x60));
    setPalette(palette);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(6);
    editor_ = new QPlainTextEdit(this);
    editor_->setPlaceholderText(QStringLiteral("Ihre Notiz zu diesem Eintrag\u2026"));
    editor_->setFont(ProgramFont(9));
    editor_->setTabChangesFocus(true);
    entry_ = new QLabel(this);
    entry_->setFont(ProgramFont(10));
    entry_->setTextFormat(Qt::RichText);
    entry_->setWordWrap(true);
    entry_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    status_ = new QLabel(this);
    status_->setFont(ProgramFont(8));
    status_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(entry_);
    layout->addWidget(rule);
    layout->addWidget(editor_, 1);
    layout->addWidget(status_);
    resize(320, 300);
    save_timer_.setSingleShot(true);
    save_timer_.setInterval(kSaveDelayMilliseconds);
    connect(&save_timer_, &QTimer::timeout, this, [this] { (void)SaveNow(); });
    connect(editor_, &QPlainTextEdit::textChanged, this, &NoteCard::OnTextChanged);
}

void NoteCard::OnTextChanged() {
    if (StoredText(editor_->toPlainText()).size() > static_cast<std::size_t>(kMaxNoteBytes)) {
        // What does not fit is refused as it is typed, never cut off when saved.
        const QSignalBlocker quiet(editor_);
        QTextCursor cursor = editor_->textCursor();
        while (StoredText(editor_->toPlainText()).size() >
                   static_cast<std::size_t>(kMaxNoteBytes) &&
               cursor.position() > 0) {
            cursor.deletePreviousChar();
        }
        QApplication::beep();
    }
    dirty_ = true;
    SetStatus({});
    save_timer_.start();
}

bool NoteCard::SaveNow() {
    save_timer_.stop();
    if (!dirty_) return true;
    switch (SaveNoteText(store_path_, note_id_, StoredText(editor_->toPlainText()))) {
        case NoteSave::kSaved:
            dirty_ = false;
            failure_told_ = false;
            SetStatus(QStringLiteral("Gespeichert"));
            TellMainWindows();
            emit Saved();
            return true;
        case NoteSave::kNoteMissing:
            // The note was removed in the main window: its text can still be copied.
            dirty_ = false;
            editor_->setReadOnly(true);
            SetStatus(QStringLiteral("Nicht gespeichert: das Memolet wurde entfernt"));
            Tell(messages_, kNoteMissing);
            return false;
        case NoteSave::kUnreadable:
            SetStatus(QStringLiteral("Nicht gespeichert"));
            if (!failure_told_) Tell(messages_, kStoreUnreadable, store_path_);
            break;
        case NoteSave::kNotSaved:
            SetStatus(QStringLiteral("Nicht gespeichert"));
            if (!failure_told_) Tell(messages_, kNotSaved);
            break;
    }
    failure_told_ = true;
    return false;
}

void NoteCard::ShowEntry(const std::vector<std::string>& blocks) {
    // The first block bold, as on the detail card; empty blocks leave no gap.
    QStringList parts;
    for (const std::string& block : blocks) {
        if (block.empty()) continue;
        QString html = ToQString(block).toHtmlEscaped().replace(u'\n', QStringLiteral("<br>"));
        if (parts.isEmpty()) html = QStringLiteral("<b>") + html + QStringLiteral("</b>");
        parts << html;
    }
    entry_->setText(parts.join(QStringLiteral("<br>")));
}

void NoteCard::SetStatus(const QString& text) { status_->setText(text); }

void NoteCard::closeEvent(QCloseEvent* event) {
    if (SaveNow() || !dirty_) {
        event->accept();
        return;
    }
    // Text that could not be saved goes only when the user says so.
    const bool close = messages_.Show({kCloseUnsaved, std::string(LoadString(kCloseUnsaved)),
                                       MessageIcon::kQuestion, MessageButtons::kYesNo,
                                       MessageAnswer::kNo}) == MessageAnswer::kYes;
    if (close) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace vendarion
