#include "core/document/tag_template_file.h"

#include <algorithm>
#include <cstdint>

#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"
#include "core/text/line_list.h"

namespace markloom {

namespace {

constexpr std::string_view kSignature = "TPF0";
constexpr std::string_view kHolderClass = "TPersHolder";
constexpr std::string_view kCollectionProperty = "P";

// Value types of the stream.
enum ValueType : unsigned char {
  kEnd = 0,
  kList = 1,
  kString = 6,
  kCollection = 14,
  kLongString = 12,
};

constexpr std::size_t kShortLimit = 255;

void putShortText(std::string& out, std::string_view text) {
  out += static_cast<char>(text.size());
  out += text;
}

void putTextValue(std::string& out, std::string_view text) {
  if (text.size() <= kShortLimit) {
    out += static_cast<char>(kString);
    putShortText(out, text);
    return;
  }
  out += static_cast<char>(kLongString);
  const auto size = static_cast<std::uint32_t>(text.size());
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((size >> shift) & 0xFF);
  out += text;
}

// Splits code into its lines (CR LF, CR or LF end a line). Unlike a line
// list, a final line end starts an empty last line, so code that ends with
// line ends reads back with all of them.
std::vector<std::string> codeLines(const std::string& code) {
  std::vector<std::string> lines = parseLineList(code);
  if (!code.empty() && (code.back() == '\n' || code.back() == '\r')) lines.emplace_back();
  return lines;
}

class StreamReader {
 public:
  explicit StreamReader(std::string_view bytes) : bytes_(bytes) {}

  [[noreturn]] void fail(const std::string& what) const { throw Error(what + " at byte " + std::to_string(pos_)); }
  unsigned char byte() {
    if (pos_ >= bytes_.size()) fail("the file ends too early");
    return static_cast<unsigned char>(bytes_[pos_++]);
  }
  std::string_view take(std::size_t n) {
    if (n > bytes_.size() - pos_) fail("the file ends too early");
    const std::string_view out = bytes_.substr(pos_, n);
    pos_ += n;
    return out;
  }
  std::string_view shortText() { return take(byte()); }
  void expectShortText(std::string_view wanted, const char* what) {
    const std::size_t at = pos_;
    if (shortText() != wanted) {
      pos_ = at;
      fail(std::string("expected ") + what);
    }
  }
  void expectByte(unsigned char wanted, const char* what) {
    if (byte() != wanted) {
      --pos_;
      fail(std::string("expected ") + what);
    }
  }
  std::string textValue() {
    const unsigned char type = byte();
    if (type == kString) return std::string(shortText());
    if (type == kLongString) {
      std::uint32_t size = 0;
      for (int shift = 0; shift < 32; shift += 8) size |= static_cast<std::uint32_t>(byte()) << shift;
      return std::string(take(size));
    }
    --pos_;
    fail("expected a text value (type " + std::to_string(type) + ")");
  }
  unsigned char peek() {
    const unsigned char b = byte();
    --pos_;
    return b;
  }
  bool atEnd() const { return pos_ == bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

TagTemplate readItem(StreamReader& in) {
  TagTemplate t;
  for (unsigned char length = in.byte(); length != kEnd; length = in.byte()) {
    const std::string_view property = in.take(length);
    if (property == "Name") {
      t.name = in.textValue();
    } else if (property == "Description") {
      t.description = in.textValue();
    } else if (property == "Code.Strings") {
      in.expectByte(kList, "a list of code lines");
      std::string code;
      bool first = true;
      while (in.peek() != kEnd) {
        if (!first) code += "\r\n";
        code += in.textValue();
        first = false;
      }
      in.byte();  // list end
      t.code = std::move(code);
    } else {
      in.fail("unknown template property \"" + std::string(property) + "\"");
    }
  }
  return t;
}

}  // namespace

std::string encodeTagTemplates(const std::vector<TagTemplate>& templates) {
  std::string out(kSignature);
  putShortText(out, kHolderClass);
  putShortText(out, "");
  putShortText(out, kCollectionProperty);
  out += static_cast<char>(kCollection);
  for (const TagTemplate& t : templates) {
    out += static_cast<char>(kList);
    if (!t.name.empty()) {
      putShortText(out, "Name");
      putTextValue(out, t.name);
    }
    if (!t.description.empty()) {
      putShortText(out, "Description");
      putTextValue(out, t.description);
    }
    if (!t.code.empty()) {
      putShortText(out, "Code.Strings");
      out += static_cast<char>(kList);
      for (const std::string& line : codeLines(t.code)) putTextValue(out, line);
      out += static_cast<char>(kEnd);
    }
    out += static_cast<char>(kEnd);
  }
  out += static_cast<char>(kEnd);  // collection end
  out += static_cast<char>(kEnd);  // holder's properties
  out += static_cast<char>(kEnd);  // holder's children
  return out;
}

std::vector<TagTemplate> decodeTagTemplates(std::string_view bytes) {
  StreamReader in(bytes);
  if (in.take(std::min(bytes.size(), kSignature.size())) != kSignature) {
    throw Error("not a template file (no \"TPF0\" signature)");
  }
  in.expectShortText(kHolderClass, "the class name \"TPersHolder\"");
  in.shortText();  // the holder's object name
  in.expectShortText(kCollectionProperty, "the property \"P\"");
  in.expectByte(kCollection, "a collection");
  std::vector<TagTemplate> templates;
  for (unsigned char next = in.byte(); next != kEnd; next = in.byte()) {
    if (next != kList) in.fail("expected the start of a template (type " + std::to_string(next) + ")");
    templates.push_back(readItem(in));
  }
  in.expectByte(kEnd, "the end of the holder's properties");
  in.expectByte(kEnd, "the end of the holder's children");
  if (!in.atEnd()) in.fail("unexpected bytes after the end of the stream");
  return templates;
}

std::vector<TagTemplate> readTagTemplates(const std::string& path) {
  const std::string bytes = readFile(path);
  try {
    return decodeTagTemplates(bytes);
  } catch (const Error& e) {
    throw Error("Cannot read templates from file " + path + ": " + e.what());
  }
}

void writeTagTemplates(const std::string& path, const std::vector<TagTemplate>& templates) {
  writeFile(path, encodeTagTemplates(templates));
}

}  // namespace markloom
