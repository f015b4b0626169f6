#pragma once
// Whole-file reading and safe replacement of files.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace markloom {

// The file's bytes exactly; raises cannotOpenFile(path) when it cannot be read.
// Only regular files are read: a FIFO, device, socket or folder is refused at
// once, without waiting on it ("Cannot open file <path>: not a regular file (a
// FIFO)", "...: it is a folder").
std::string readFile(const std::string& path);

// Why a file of this mode is not read ("not a regular file (a FIFO)", "it is a
// folder"); nullptr for a regular file.
const char* notAFileKind(mode_t mode);

// A device, a pipe or a file that keeps growing could feed a reader forever:
// reading stops with an error past this many bytes (and past the size a
// regular file had when it was opened).
inline constexpr std::uint64_t kMaxReadBytes = std::uint64_t{2} << 30;  // 2 GiB

// "Cannot open file %s: reading stopped after 2 GiB ..."
std::string readLimitMessage(const std::string& path);

// Hands the file's bytes to onPiece in order, a piece at a time, so large files
// are processed without holding them whole; raises cannotOpenFile(path) when it
// cannot be read, and an Error with readLimitMessage when the input goes on
// past kMaxReadBytes. sizeHint receives the file's size first (0 when unknown).
void readFileInPieces(const std::string& path, const std::function<void(std::string_view piece)>& onPiece,
                      std::size_t pieceSize = 1 << 16, const std::function<void(std::size_t size)>& sizeHint = {});

// Replaces (or creates) path with bytes through the file writer (file_writer.h):
// links followed, non-regular and read-only files refused, permissions, owner,
// group and hard links kept, never a partial file. Raises cannotCreateFile(path,
// reason) on any failure, leaving the original untouched.
void writeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace markloom
