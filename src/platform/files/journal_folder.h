#pragma once
// Where the journal of in-place writes (core/text/write_journal.h) lives for
// this program: the per-user data folder's "journal" folder, owner-only, the
// same for the editor and the command-line tool, so that either finishes what
// the other left.
namespace markloom {

// Points the journal there; called once at each program's start.
void useUserJournalFolder();

}  // namespace markloom
