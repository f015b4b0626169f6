#include "core/document/data_file_text.h"

#include "core/text/line_list.h"

namespace markloom {

namespace {
std::vector<std::string> textsOf(const std::vector<TagTemplate>& templates) {
  std::vector<std::string> texts;
  for (const TagTemplate& t : templates) {
    texts.push_back(t.name);
    texts.push_back(t.description);
    texts.push_back(t.code);
  }
  return texts;
}

TagTemplate converted(const TagTemplate& t, auto&& convert) {
  return {convert(t.name), convert(t.description), convert(t.code)};
}
}  // namespace

TextCodec detectListCodec(const std::vector<std::string>& entries) {
  // Each entry on its own: a line break never splits a character.
  for (const std::string& entry : entries)
    if (TextCodec::detect(entry).encoding() == TextEncoding::EightBit) return TextCodec(TextEncoding::EightBit);
  return TextCodec(TextEncoding::Utf8);
}

TextCodec detectTemplateCodec(const std::vector<TagTemplate>& templates) { return detectListCodec(textsOf(templates)); }

TextCodec codecToWrite(const TextCodec& fileCodec, const std::vector<std::string>& utf8) {
  for (const std::string& entry : utf8)
    if (fileCodec.decode(fileCodec.encode(entry)) != entry) return TextCodec(TextEncoding::Utf8);
  return fileCodec;
}

TextCodec codecToWrite(const TextCodec& fileCodec, const std::vector<TagTemplate>& utf8) {
  return codecToWrite(fileCodec, textsOf(utf8));
}

std::vector<std::string> decodeEntries(const TextCodec& codec, const std::vector<std::string>& bytes) {
  std::vector<std::string> out;
  out.reserve(bytes.size());
  for (const std::string& entry : bytes) out.push_back(codec.decode(entry));
  return out;
}

std::vector<std::string> encodeEntries(const TextCodec& codec, const std::vector<std::string>& utf8) {
  std::vector<std::string> out;
  out.reserve(utf8.size());
  for (const std::string& entry : utf8) out.push_back(codec.encode(entry));
  return out;
}

std::vector<TagTemplate> decodeTemplates(const TextCodec& codec, const std::vector<TagTemplate>& bytes) {
  std::vector<TagTemplate> out;
  out.reserve(bytes.size());
  for (const TagTemplate& t : bytes) out.push_back(converted(t, [&](const std::string& s) { return codec.decode(s); }));
  return out;
}

std::vector<TagTemplate> encodeTemplates(const TextCodec& codec, const std::vector<TagTemplate>& utf8) {
  std::vector<TagTemplate> out;
  out.reserve(utf8.size());
  for (const TagTemplate& t : utf8) out.push_back(converted(t, [&](const std::string& s) { return codec.encode(s); }));
  return out;
}

std::vector<std::string> readListText(const std::string& path) {
  const std::vector<std::string> bytes = readLineList(path);
  return decodeEntries(detectListCodec(bytes), bytes);
}

std::vector<TagTemplate> readTemplateText(const std::string& path) {
  const std::vector<TagTemplate> bytes = readTagTemplates(path);
  return decodeTemplates(detectTemplateCodec(bytes), bytes);
}

}  // namespace markloom
