#pragma once
// The tag-template file (Extensions/tagtmp.qdf): the editor's code templates,
// kept as an object stream. The stream holds one holder object whose property
// "P" is a collection; each item has the properties Name, Description (texts)
// and Code.Strings (a list of texts, one per line of the code), each left out
// when empty.
#include <string>
#include <string_view>
#include <vector>

namespace markloom {

struct TagTemplate {
  std::string name;         // the keyword the user types
  std::string description;  // shown beside the keyword in the template list
  std::string code;         // the text that replaces the keyword; lines joined with CR LF
  bool operator==(const TagTemplate&) const = default;
};

// The stream's bytes for templates, in their order.
std::string encodeTagTemplates(const std::vector<TagTemplate>& templates);
// Reads a stream. A damaged or truncated one raises Error with what is wrong
// and where ("... at byte N"); the caller adds the file name.
std::vector<TagTemplate> decodeTagTemplates(std::string_view bytes);

// Whole-file forms. Reading raises cannotOpenFile for a file that cannot be
// read and "Cannot read templates from file PATH: ..." for a damaged one;
// writing goes through the safe file writer and raises cannotCreateFile.
std::vector<TagTemplate> readTagTemplates(const std::string& path);
void writeTagTemplates(const std::string& path, const std::vector<TagTemplate>& templates);

}  // namespace markloom
