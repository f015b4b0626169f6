#pragma once
// SIGINT, SIGTERM and SIGHUP while files are being replaced: the new contents
// still in flight (hidden siblings, see core/text/staging_files.h) are removed
// and the process ends by the signal as it would have, so a shell sees 130 or
// 143. An in-place write under way is finished first. What was already renamed
// into place stays: every file is wholly old or wholly new.
namespace markloom {

void removeStagingFilesOnInterrupt();

// A flat folder of work files (no subfolders) that the same handler removes,
// its files and then itself, before the process ends; nullptr for none. The
// text must stay valid until it is replaced.
void removeFolderOnInterrupt(const char* folder) noexcept;

}  // namespace markloom
