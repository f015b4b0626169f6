#pragma once
// Line lists: plain 8-bit text, one entry per line. CR LF, a lone CR or a lone
// LF each end a line; an entry is the whole line, blanks included. Written back
// with CR LF after every entry.
#include <string>
#include <string_view>
#include <vector>

namespace markloom {

std::vector<std::string> parseLineList(std::string_view bytes);
std::string formatLineList(const std::vector<std::string>& lines);

// Whole-file forms; reading raises cannotOpenFile, writing (atomic) cannotCreateFile.
std::vector<std::string> readLineList(const std::string& path);
void writeLineList(const std::string& path, const std::vector<std::string>& lines);

}  // namespace markloom
