#include "core/highlighting/scheme_file.h"

#include <cstdio>
#include <vector>

#include "core/common/error.h"
#include "core/text/file_io.h"
#include "core/text/file_writer.h"

namespace markloom {

namespace {

const char* const kClassNames[kTokenClassCount] = {"Text",    "Comment",    "String",   "Number",
                                                   "Keyword", "Identifier", "Delimiter"};

// ---- writing

std::string quoted(std::string_view text) {
  if (text.empty()) return "''";
  std::string out;
  bool open = false;
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 32 || c == 127) {
      if (open) out += '\'';
      open = false;
      out += '#' + std::to_string(c);
      continue;
    }
    if (!open) out += '\'';
    open = true;
    out += ch;
    if (ch == '\'') out += '\'';
  }
  if (open) out += '\'';
  return out;
}

std::string colour(std::uint32_t c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "$%06X", static_cast<unsigned>(c & 0xFFFFFF));
  return buf;
}

void writeBlock(const SyntaxScheme& scheme, int index, int depth, std::string& out) {
  const SchemeBlock& b = scheme.blocks[static_cast<std::size_t>(index)];
  const std::string in(static_cast<std::size_t>(depth) * 2, ' ');
  const std::string pad = in + "  ";
  out += in + "object Block\n";
  out += pad + "Name = " + quoted(b.name) + "\n";
  for (const auto& [enter, leave] : b.delimiters)
    out += pad + "Delimiter = (" + quoted(enter) + ", " + quoted(leave) + ")\n";
  for (const auto& c : b.lineComments) out += pad + "LineComment = " + quoted(c) + "\n";
  for (const auto& [open, close] : b.blockComments)
    out += pad + "BlockComment = (" + quoted(open) + ", " + quoted(close) + ")\n";
  if (!b.quotes.empty()) out += pad + "Quotes = " + quoted(b.quotes) + "\n";
  if (!b.escape.empty()) out += pad + "Escape = " + quoted(b.escape) + "\n";
  if (b.numbers) out += pad + "Numbers = True\n";
  for (const auto& p : b.numberPrefixes) out += pad + "NumberPrefix = " + quoted(p) + "\n";
  for (const auto& p : b.identifierPrefixes) out += pad + "IdentifierPrefix = " + quoted(p) + "\n";
  if (!b.keywordSetName.empty()) out += pad + "KeywordSet = " + quoted(b.keywordSetName) + "\n";
  if (!b.keywords.empty()) {
    std::string list;
    for (const auto& k : b.keywords) list += (list.empty() ? "" : ",") + k;
    out += pad + "Keywords = " + quoted(list) + "\n";
  }
  if (b.caseSensitive) out += pad + "CaseSensitive = True\n";
  if (!b.lineContinuation.empty()) out += pad + "LineContinuation = " + quoted(b.lineContinuation) + "\n";
  if (b.background >= 0) out += pad + "Background = " + colour(static_cast<std::uint32_t>(b.background)) + "\n";
  for (int c = 0; c < kTokenClassCount; ++c) {
    const TokenStyle& s = b.styles[c];
    out += pad + "Style." + kClassNames[c] + " = (" + colour(s.color) + (s.bold ? ", Bold" : "") +
           (s.italic ? ", Italic" : "") + ")\n";
  }
  for (int child = 0; child < static_cast<int>(scheme.blocks.size()); ++child)
    if (child != index && scheme.blocks[static_cast<std::size_t>(child)].parent == index)
      writeBlock(scheme, child, depth + 1, out);
  out += in + "end\n";
}

// ---- reading

struct Value {
  enum Kind { Text, Number, Colour, Word, List } kind = Text;
  std::string text;  // Text, Word
  long long number = 0;
  std::vector<Value> items;
};

class LineReader {
 public:
  LineReader(std::string_view text, int line) : s_(text), line_(line) {}

  [[noreturn]] void fail(const std::string& why) const {
    throw Error("Line " + std::to_string(line_) + ": " + why + ".");
  }

  Value value() {
    Value v = item(true);
    skipBlanks();
    if (i_ < s_.size()) fail("unexpected text after the value");
    return v;
  }

 private:
  void skipBlanks() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
  }
  static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
  static bool isDigit(char c) { return c >= '0' && c <= '9'; }
  static int hexDigit(char c) {
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  Value item(bool listAllowed) {
    skipBlanks();
    if (i_ >= s_.size()) fail("a value is missing");
    const char c = s_[i_];
    Value v;
    if (c == '(') {
      if (!listAllowed) fail("a list inside a list");
      ++i_;
      v.kind = Value::List;
      for (;;) {
        v.items.push_back(item(false));
        skipBlanks();
        if (i_ < s_.size() && s_[i_] == ',') {
          ++i_;
          continue;
        }
        if (i_ < s_.size() && s_[i_] == ')') {
          ++i_;
          break;
        }
        fail("a list must end with \")\"");
      }
      return v;
    }
    if (c == '\'' || c == '#') {
      v.kind = Value::Text;
      while (i_ < s_.size() && (s_[i_] == '\'' || s_[i_] == '#')) {
        if (s_[i_] == '#') {
          ++i_;
          int code = 0, digits = 0;
          while (i_ < s_.size() && isDigit(s_[i_]) && digits < 4) code = code * 10 + (s_[i_++] - '0'), ++digits;
          if (digits == 0 || code > 255) fail("a character code must be a number from 0 to 255");
          v.text += static_cast<char>(code);
          continue;
        }
        ++i_;
        for (;;) {
          if (i_ >= s_.size()) fail("a text is not closed");
          if (s_[i_] == '\'') {
            if (i_ + 1 < s_.size() && s_[i_ + 1] == '\'') {
              v.text += '\'';
              i_ += 2;
              continue;
            }
            ++i_;
            break;
          }
          v.text += s_[i_++];
        }
      }
      return v;
    }
    if (c == '$') {
      ++i_;
      v.kind = Value::Colour;
      int digits = 0;
      while (i_ < s_.size() && hexDigit(s_[i_]) >= 0) {
        v.number = v.number * 16 + hexDigit(s_[i_++]);
        if (++digits > 6) fail("a colour has six hexadecimal digits ($RRGGBB)");
      }
      if (digits == 0) fail("a colour has six hexadecimal digits ($RRGGBB)");
      return v;
    }
    if (c == '-' || isDigit(c)) {
      v.kind = Value::Number;
      const bool negative = c == '-';
      if (negative) ++i_;
      int digits = 0;
      while (i_ < s_.size() && isDigit(s_[i_])) {
        v.number = v.number * 10 + (s_[i_++] - '0');
        if (++digits > 9) fail("a number is too large");
      }
      if (digits == 0) fail("a number is missing its digits");
      if (negative) v.number = -v.number;
      return v;
    }
    if (isLetter(c)) {
      v.kind = Value::Word;
      while (i_ < s_.size() && (isLetter(s_[i_]) || isDigit(s_[i_]))) v.text += s_[i_++];
      return v;
    }
    fail(std::string("unexpected character \"") + c + "\"");
  }

  std::string_view s_;
  std::size_t i_ = 0;
  int line_;
};

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

class SchemeParser {
 public:
  SyntaxScheme parse(std::string_view text) {
    std::size_t start = 0;
    int lineNo = 0;
    while (start <= text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string_view::npos) end = text.size();
      ++lineNo;
      line(trimmed(text.substr(start, end - start)), lineNo);
      start = end + 1;
    }
    if (!done_) LineReader("", lineNo).fail(stack_.empty() ? "no scheme object" : "\"end\" is missing");
    return scheme_;
  }

 private:
  enum class Kind { Scheme, Block };
  struct Open {
    Kind kind;
    int block = -1;
    bool hasBlock = false;  // a Scheme's one outermost block
  };

  void line(std::string_view s, int lineNo) {
    if (s.empty()) return;
    const LineReader here("", lineNo);
    if (done_) here.fail("text after the end of the scheme");
    if (s.substr(0, 6) == "object" && (s.size() == 6 || s[6] == ' ' || s[6] == '\t')) {
      const std::string_view kind = trimmed(s.substr(6));
      if (kind == "Scheme") {
        if (!stack_.empty()) here.fail("a scheme inside a scheme");
        stack_.push_back({Kind::Scheme});
        return;
      }
      if (kind == "Block") {
        if (stack_.empty()) here.fail("a block outside the scheme");
        Open& parent = stack_.back();
        if (parent.kind == Kind::Scheme) {
          if (parent.hasBlock) here.fail("a scheme has one outermost block");
          parent.hasBlock = true;
        }
        if (static_cast<int>(scheme_.blocks.size()) >= kMaxSchemeBlocks)
          here.fail("a scheme has at most " + std::to_string(kMaxSchemeBlocks) + " blocks");
        if (static_cast<int>(stack_.size()) - 1 > kMaxSchemeDepth)
          here.fail("blocks nest at most " + std::to_string(kMaxSchemeDepth) + " deep");
        SchemeBlock b;
        b.parent = parent.kind == Kind::Block ? parent.block : -1;
        scheme_.blocks.push_back(std::move(b));
        stack_.push_back({Kind::Block, static_cast<int>(scheme_.blocks.size()) - 1});
        return;
      }
      here.fail("unknown object \"" + std::string(kind) + "\"");
    }
    if (s == "end") {
      if (stack_.empty()) here.fail("\"end\" without an object");
      if (stack_.back().kind == Kind::Scheme) {
        if (!stack_.back().hasBlock) here.fail("the scheme has no block");
        done_ = true;
      }
      stack_.pop_back();
      return;
    }
    const std::size_t eq = s.find('=');
    if (eq == std::string_view::npos) here.fail("expected \"name = value\", \"object\" or \"end\"");
    if (stack_.empty()) here.fail("a property outside the scheme");
    const std::string name(trimmed(s.substr(0, eq)));
    LineReader reader(s.substr(eq + 1), lineNo);
    const Value v = reader.value();
    if (stack_.back().kind == Kind::Scheme) {
      if (name != "Name") reader.fail("unknown scheme property \"" + name + "\"");
      scheme_.name = text(v, reader);
      return;
    }
    blockProperty(scheme_.blocks[static_cast<std::size_t>(stack_.back().block)], name, v, reader);
  }

  static std::string text(const Value& v, const LineReader& r) {
    if (v.kind != Value::Text) r.fail("a text in single quotes is expected");
    return v.text;
  }
  static std::string nonEmpty(const Value& v, const LineReader& r) {
    std::string t = text(v, r);
    if (t.empty()) r.fail("the text must not be empty");
    return t;
  }
  static std::pair<std::string, std::string> pair(const Value& v, const LineReader& r) {
    if (v.kind != Value::List || v.items.size() != 2) r.fail("a pair of texts ('open', 'close') is expected");
    return {nonEmpty(v.items[0], r), nonEmpty(v.items[1], r)};
  }
  static bool flag(const Value& v, const LineReader& r) {
    if (v.kind == Value::Word && v.text == "True") return true;
    if (v.kind == Value::Word && v.text == "False") return false;
    r.fail("True or False is expected");
  }
  static std::uint32_t colourOf(const Value& v, const LineReader& r) {
    if (v.kind != Value::Colour) r.fail("a colour ($RRGGBB) is expected");
    return static_cast<std::uint32_t>(v.number);
  }

  static void blockProperty(SchemeBlock& b, const std::string& name, const Value& v, const LineReader& r) {
    if (name == "Name") {
      b.name = text(v, r);
    } else if (name == "Delimiter") {
      if (static_cast<int>(b.delimiters.size()) >= kMaxBlockDelimiters)
        r.fail("a block has at most " + std::to_string(kMaxBlockDelimiters) + " delimiters");
      auto d = pair(v, r);
      if (d.first.back() == '*') r.fail("a \"*\" cannot end a delimiter");
      b.delimiters.push_back(std::move(d));
    } else if (name == "LineComment") {
      b.lineComments.push_back(nonEmpty(v, r));
    } else if (name == "BlockComment") {
      if (static_cast<int>(b.blockComments.size()) >= kMaxBlockComments)
        r.fail("a block has at most " + std::to_string(kMaxBlockComments) + " block comments");
      b.blockComments.push_back(pair(v, r));
    } else if (name == "Quotes") {
      b.quotes = text(v, r);
    } else if (name == "Escape") {
      b.escape = text(v, r);
      if (b.escape.size() > 1) r.fail("the escape is one character");
    } else if (name == "Numbers") {
      b.numbers = flag(v, r);
    } else if (name == "NumberPrefix") {
      b.numberPrefixes.push_back(nonEmpty(v, r));
    } else if (name == "IdentifierPrefix") {
      b.identifierPrefixes.push_back(nonEmpty(v, r));
    } else if (name == "KeywordSet") {
      b.keywordSetName = text(v, r);
    } else if (name == "Keywords") {
      const std::string list = text(v, r);
      std::size_t start = 0;
      while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        if (comma == std::string::npos) comma = list.size();
        const auto word = trimmed(std::string_view(list).substr(start, comma - start));
        if (!word.empty()) b.keywords.emplace_back(word);
        start = comma + 1;
      }
    } else if (name == "CaseSensitive") {
      b.caseSensitive = flag(v, r);
    } else if (name == "LineContinuation") {
      b.lineContinuation = text(v, r);
    } else if (name == "Background") {
      b.background = colourOf(v, r);
    } else if (name.rfind("Style.", 0) == 0) {
      int cls = 0;
      while (cls < kTokenClassCount && name.substr(6) != kClassNames[cls]) ++cls;
      if (cls == kTokenClassCount) r.fail("unknown style \"" + name.substr(6) + "\"");
      if (v.kind != Value::List) r.fail("a style is written ($RRGGBB, Bold, Italic)");
      TokenStyle s;
      s.color = colourOf(v.items[0], r);
      for (std::size_t k = 1; k < v.items.size(); ++k) {
        const Value& f = v.items[k];
        if (f.kind == Value::Word && f.text == "Bold")
          s.bold = true;
        else if (f.kind == Value::Word && f.text == "Italic")
          s.italic = true;
        else
          r.fail("a style's font is Bold or Italic");
      }
      b.styles[cls] = s;
    } else {
      r.fail("unknown block property \"" + name + "\"");
    }
  }

  SyntaxScheme scheme_;
  std::vector<Open> stack_;
  bool done_ = false;
};

}  // namespace

std::string writeSchemeText(const SyntaxScheme& scheme) {
  std::string out = "object Scheme\n  Name = " + quoted(scheme.name) + "\n";
  for (int b = 0; b < static_cast<int>(scheme.blocks.size()); ++b)
    if (scheme.blocks[static_cast<std::size_t>(b)].parent < 0) {
      writeBlock(scheme, b, 1, out);
      break;
    }
  out += "end\n";
  return out;
}

SyntaxScheme parseSchemeText(std::string_view text) { return SchemeParser().parse(text); }

SyntaxScheme readSchemeFile(const std::string& path) {
  const std::string bytes = readFile(path);
  try {
    return parseSchemeText(bytes);
  } catch (const Error& e) {
    throw Error("Can't read syntax scheme from file \"" + path + "\".\n" + e.what());
  }
}

void writeSchemeFile(const std::string& path, const SyntaxScheme& scheme) { writeFile(path, writeSchemeText(scheme)); }

}  // namespace markloom
