#pragma once
// A file's extended attributes (its access control list, user.* and security.*
// labels) carried over to the new copy that replaces it, so that the people a
// file was shared with keep their access and nobody gains any.
#include <string>

namespace markloom {

// Gives the open file `to` exactly the extended attributes of the file at
// `from` (a regular file, not a link): each one copied, and any `to` has that
// `from` lacks (such as an access list inherited from the folder) removed.
// Returns 0, or the errno of the first that could not be copied or removed;
// the caller then writes the original in place instead.
int copyExtendedAttributes(const std::string& from, int to);

}  // namespace markloom
