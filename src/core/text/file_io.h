#pragma once
// Whole-file reading and safe replacement of files.
#include <string>

namespace markloom {

// The file's bytes exactly; raises cannotOpenFile(path) when it cannot be read.
std::string readFile(const std::string& path);

// Replaces (or creates) path with bytes so that a reader never sees a partial
// file: the bytes go to a uniquely named sibling that is flushed to disk and
// then renamed over path. An existing file's permission bits are kept.
// Raises cannotCreateFile(path) on any failure, leaving the original untouched.
void writeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace markloom
