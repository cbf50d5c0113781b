// Where generated text goes: a growing string in tests, a streamed file otherwise.
#pragma once

#include <string>
#include <string_view>

namespace vendarion::datagen {

class TextSink {
public:
    virtual ~TextSink() = default;
    virtual void Append(std::string_view text) = 0;
};

class StringSink : public TextSink {
public:
    void Append(std::string_view text) override { text_.append(text); }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace vendarion::datagen
