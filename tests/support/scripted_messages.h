// Message boxes for tests: answers come from a script in order (a box without a
// scripted answer takes its default button), and every shown message is recorded.
#pragma once

#include <deque>
#include <vector>

#include "base/messages.h"

namespace vendarion::test {

class ScriptedMessages final : public Messages {
public:
    MessageAnswer Show(const Message& message) override {
        shown_.push_back(message);
        if (answers_.empty()) return message.default_answer;
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    // Queues the answer to the next message.
    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    const std::vector<Message>& Shown() const { return shown_; }
    // The ids of the shown messages, in order.
    std::vector<int> ShownIds() const {
        std::vector<int> ids;
        for (const Message& message : shown_) ids.push_back(message.id);
        return ids;
    }
    int UnusedAnswers() const { return static_cast<int>(answers_.size()); }
    void Clear() {
        shown_.clear();
        answers_.clear();
    }

private:
    std::deque<MessageAnswer> answers_;
    std::vector<Message> shown_;
};

}  // namespace vendarion::test
