// A large output file written in one pass: the text goes to PATH.tmp and is
// renamed to PATH by Finish, so the target is complete or untouched. A write
// error is remembered and reported by Finish.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "text_sink.h"

namespace vendarion::datagen {

class StreamFile : public TextSink {
public:
    StreamFile() = default;
    ~StreamFile() override;  // removes the temporary file unless finished
    StreamFile(const StreamFile&) = delete;
    StreamFile& operator=(const StreamFile&) = delete;

    [[nodiscard]] bool Open(const std::string& path);
    void Append(std::string_view text) override;
    // Flushes, closes and renames; false (errno set) when any step or an earlier
    // write failed.
    [[nodiscard]] bool Finish();

private:
    std::string path_;
    std::string temp_path_;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

}  // namespace vendarion::datagen
