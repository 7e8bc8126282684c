// The file an output is written to until it is complete, in the output's folder.
#pragma once

#include <string>

namespace coder {

// Where an output really goes: a name that is a symbolic link stands for the file it names,
// followed to the end (that file need not exist yet). Throws CoderError on a loop.
std::string resolveTarget(const std::string& target);

// Owns the unfinished output: an unnamed file in the output's folder (O_TMPFILE), which
// commit() links into place, so that a run that dies, even by SIGKILL, leaves nothing behind.
// Where the file system cannot hold one, a hidden named part file instead, locked while the run
// lives and removed on destruction (and on SIGINT, SIGTERM or SIGHUP) unless committed. Never
// touches the output before commit(), so a failed run leaves an existing file as it was.
class TempOutput {
public:
    enum class Kind { Unnamed, Named };

    // Checks the target (not a folder nor a device, writable by the user when it exists, in a
    // folder that exists), removes the part files of dead runs from that folder, and creates
    // the temporary file, unnamed when `preferred` asks for it and the file system allows it.
    // Throws CoderError naming target.
    explicit TempOutput(const std::string& target, Kind preferred = Kind::Unnamed);
    ~TempOutput();
    TempOutput(const TempOutput&) = delete;
    TempOutput& operator=(const TempOutput&) = delete;

    // Where the writer opens the file: the named part, or the unnamed file by /proc/self/fd.
    const std::string& path() const { return path_; }
    Kind kind() const { return kind_; }

    // Puts the file in the place of the target (of the file a symbolic link names) with the
    // permissions of the file it replaces. Without overwrite an existing target is kept and
    // CoderError is thrown, as for any failure.
    void commit(bool overwrite);

private:
    void createUnnamed();
    void createNamed();
    void keepPermissionsOf(const std::string& replaced);
    int linkReplacing();

    std::string target_;  // as given, for messages
    std::string final_;   // the file the target names
    std::string folder_;
    std::string path_;
    int fd_ = -1;
    Kind kind_ = Kind::Unnamed;
    bool committed_ = false;
};

} // namespace coder
