#pragma once
// Puts a finished download in place: the bytes of an open file become the
// target's content by the file writer's rules (links followed, non-regular
// and read-only files refused, owner, group and permissions kept, never a
// partial file), copied a piece at a time so that a large page never has to
// fit in memory.
#include <cstdint>
#include <string>

namespace markloom {

// Copies the first size bytes of the open file fd over target. Raises
// cannotCreateFile(target, reason) when target cannot be replaced; an
// existing target then holds its old content, a new one is not left behind.
void installDownloadedFile(int fd, std::int64_t size, const std::string& target);

}  // namespace markloom
