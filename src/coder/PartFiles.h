// The hidden ".coder-XXXXXX.part" files an output is written to where the file system cannot
// hold an unnamed file, and the removal of those that dead runs left behind.
#pragma once

#include <chrono>
#include <string>

namespace coder {

// Whether a file name has the form of a part file: ".coder-" ... ".part".
bool isPartName(const std::string& name);

// Creates a new, empty part file in folder with the usual permissions, open for reading and
// writing and locked (flock) for as long as the descriptor stays open, which tells other runs
// that its owner is alive. Returns the descriptor and sets path; -1 with errno set on failure.
int createPart(const std::string& folder, std::string& path);

// Removes from folder the part files whose owner has ended (nobody holds their lock) and that
// were last written at least minAge ago; returns how many it removed. Leaves everything else,
// including anything it cannot open, alone.
int removeStaleParts(const std::string& folder, std::chrono::seconds minAge);

} // namespace coder
