// The note program's window: a small card with the pinned entry (name, heading,
// address and phone, as the main window's detail card shows them) above the note
// text. Every change of the text is saved to the note store shortly after typing
// stops, and when the window closes; then every running main window is told to
// reload the store.
#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace vendarion {

class Messages;

class NoteCard final : public QWidget {
    Q_OBJECT

public:
    // The longest note text kept, in bytes.
    static constexpr int kMaxNoteBytes = 32000;
    // The pause after the last keystroke before the text is saved.
    static constexpr int kSaveDelayMilliseconds = 500;

    // The card of the note with this id in the store file; null, after telling the
    // user why, when the store cannot be read or holds no such note.
    static std::unique_ptr<NoteCard> Open(const std::string& store_path, std::int32_t note_id,
                                          Messages& messages);

    QPlainTextEdit* Editor() const { return editor_; }
    // Saves a pending change now; true when nothing is left unsaved.
    bool SaveNow();

signals:
    // The text is in the store file.
    void Saved();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    NoteCard(std::string store_path, std::int32_t note_id, Messages& messages);
    void OnTextChanged();
    void ShowEntry(const std::vector<std::string>& blocks);
    void SetStatus(const QString& text);

    std::string store_path_;
    std::int32_t note_id_;
    Messages& messages_;
    QLabel* entry_ = nullptr;
    QPlainTextEdit* editor_ = nullptr;
    QLabel* status_ = nullptr;
    QTimer save_timer_;
    bool dirty_ = false;
    // A failure is told once until a save works again.
    bool failure_told_ = false;
};

}  // namespace vendarion
