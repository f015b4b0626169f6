#pragma once
// The text of the list files (tags.txt, the hint lists, the recent lists) and
// of the template file, read and written with the codec a document uses: UTF-8
// when every text in the file is valid UTF-8, otherwise 8-bit text. Both the
// editor that inserts the entries and the Preferences pages that edit them go
// through here, so entries are UTF-8 in the program and a file's untouched
// bytes come back as they were.
#include <string>
#include <vector>

#include "core/document/tag_template_file.h"
#include "core/text/text_codec.h"

namespace markloom {

// The codec of a file from its texts, taken together.
TextCodec detectListCodec(const std::vector<std::string>& entries);
TextCodec detectTemplateCodec(const std::vector<TagTemplate>& templates);

// The codec to write utf8 entries with: the file's own when it holds every
// character, otherwise UTF-8, which holds any.
TextCodec codecToWrite(const TextCodec& fileCodec, const std::vector<std::string>& utf8);
TextCodec codecToWrite(const TextCodec& fileCodec, const std::vector<TagTemplate>& utf8);

std::vector<std::string> decodeEntries(const TextCodec& codec, const std::vector<std::string>& bytes);
std::vector<std::string> encodeEntries(const TextCodec& codec, const std::vector<std::string>& utf8);
std::vector<TagTemplate> decodeTemplates(const TextCodec& codec, const std::vector<TagTemplate>& bytes);
std::vector<TagTemplate> encodeTemplates(const TextCodec& codec, const std::vector<TagTemplate>& utf8);

// Whole files, as UTF-8 entries. Errors as readLineList and readTagTemplates raise them.
std::vector<std::string> readListText(const std::string& path);
std::vector<TagTemplate> readTemplateText(const std::string& path);

}  // namespace markloom
