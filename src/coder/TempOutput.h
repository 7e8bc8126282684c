// The file an output is written to until it is complete, beside the output itself.
#pragma once

#include <string>

namespace coder {

// Owns a temporary file in the output's folder: removed on destruction (and on SIGINT, SIGTERM
// or SIGHUP) unless commit() has renamed it to the output's name. Never touches the output
// before commit(), so a failed run leaves an existing file as it was.
class TempOutput {
public:
    // Creates the empty temporary file; throws CoderError naming target when its folder is
    // missing or not writable, or target is a folder.
    explicit TempOutput(const std::string& target);
    ~TempOutput();
    TempOutput(const TempOutput&) = delete;
    TempOutput& operator=(const TempOutput&) = delete;

    const std::string& path() const { return path_; }

    // Renames the temporary file to the target; without overwrite an existing target is kept
    // and CoderError is thrown, as for any failed rename.
    void commit(bool overwrite);

private:
    std::string target_;
    std::string path_;
    bool committed_ = false;
};

} // namespace coder
