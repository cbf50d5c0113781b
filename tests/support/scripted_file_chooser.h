// The save dialog for tests: answers every question with a preset file name (or with
// nothing chosen) and records the questions.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "ui/file_chooser.h"

namespace vendarion::test {

class ScriptedFileChooser final : public FileChooser {
public:
    std::optional<QString> SaveFileName(QWidget*, const SaveFileQuestion& question) override {
        questions_.push_back(question);
        return answer_;
    }

    // The answer to every later question; nothing: no file chosen.
    void Answer(std::optional<QString> answer) { answer_ = std::move(answer); }
    const std::vector<SaveFileQuestion>& Questions() const { return questions_; }

private:
    std::optional<QString> answer_;
    std::vector<SaveFileQuestion> questions_;
};

}  // namespace vendarion::test
