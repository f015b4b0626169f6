#include "core/tidy/server_blocks.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/common/error.h"

namespace markloom {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool startsWithNoCase(std::string_view s, std::size_t at, std::string_view word) {
  if (at + word.size() > s.size()) return false;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (lower(s[at + i]) != lower(word[i])) return false;
  return true;
}

std::size_t findNoCase(std::string_view s, std::string_view word, std::size_t from) {
  for (std::size_t i = from; i + word.size() <= s.size(); ++i)
    if (startsWithNoCase(s, i, word)) return i;
  return std::string_view::npos;
}

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }
bool isNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':'; }

int lineOf(std::string_view s, std::size_t at) {
  return 1 + static_cast<int>(std::count(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

// Length of the block opener at i (0 when none).
std::size_t openerAt(std::string_view s, std::size_t i, bool& php) {
  if (startsWithNoCase(s, i, "<?php") && (i + 5 == s.size() || isSpace(s[i + 5]))) return php = true, 5;
  if (startsWithNoCase(s, i, "<?=")) return php = true, 3;
  if (startsWithNoCase(s, i, "<%")) return php = false, 2;
  return 0;
}

// End (one past the closer) of the block opened at i, or npos. PHP does not
// close a block at a "?>" inside a quoted string; ASP and JSP close at the
// first "%>".
std::size_t blockEnd(std::string_view s, std::size_t i, std::size_t opener, bool php) {
  if (!php) {
    const std::size_t close = s.find("%>", i + opener);
    return close == std::string_view::npos ? close : close + 2;
  }
  for (std::size_t j = i + opener; j < s.size(); ++j) {
    const char c = s[j];
    if (c == '?' && j + 1 < s.size() && s[j + 1] == '>') return j + 2;
    if (c == '\'' || c == '"' || c == '`') {
      for (++j; j < s.size() && s[j] != c; ++j)
        if (s[j] == '\\') ++j;
      if (j >= s.size()) return std::string_view::npos;
    } else if (c == '/' && j + 1 < s.size() && s[j + 1] == '*') {
      const std::size_t close = s.find("*/", j + 2);
      if (close == std::string_view::npos) return close;
      j = close + 1;
    } else if (c == '#' || (c == '/' && j + 1 < s.size() && s[j + 1] == '/')) {
      // A line comment ends at the line end or at "?>".
      for (; j < s.size() && s[j] != '\n'; ++j)
        if (s[j] == '?' && j + 1 < s.size() && s[j + 1] == '>') return j + 2;
    }
  }
  return std::string_view::npos;
}

std::string placeholderWord(const std::string& prefix, std::size_t index) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%06zu", index);
  return prefix + digits + "x";
}

std::string wrapped(const ServerBlock& b, const std::string& word) {
  return b.php ? "<?php " + word + "?>" : "<%" + word + "%>";
}

}  // namespace

ProtectedPage protectServerBlocks(std::string_view s) {
  ProtectedPage page;
  std::string lowered(s.size(), ' ');
  std::transform(s.begin(), s.end(), lowered.begin(), lower);
  page.prefix = "mklmsrv";
  while (lowered.find(page.prefix) != std::string::npos) page.prefix += 'q';

  enum class State { Text, Tag, Quoted, Comment, Raw } state = State::Text;
  char quote = 0;
  std::string tagName, rawEnd;
  bool afterEquals = false;
  std::string& out = page.text;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    bool php = true;
    if (const std::size_t opener = openerAt(s, i, php)) {
      const std::size_t end = blockEnd(s, i, opener, php);
      if (end == std::string_view::npos)
        throw Error("The server-side block on line " + std::to_string(lineOf(s, i)) +
                    " is not closed. Tidy would damage it, so the document was not changed.");
      ServerBlock block{std::string(s.substr(i, end - i)), ServerBlock::Place::Text, php};
      const char before = out.empty() ? ' ' : out.back();
      if ((state == State::Text || state == State::Tag) &&
          (before == '<' || (before == '/' && out.size() >= 2 && out[out.size() - 2] == '<')))
        throw Error("The server-side block on line " + std::to_string(lineOf(s, i)) +
                    " names a tag. Tidy cannot keep it, so the document was not changed.");
      if (state == State::Tag) {
        // Alone: between blanks and the tag's end, so tidy sees an attribute
        // without a value (and gives it an empty one).
        const bool alone =
            isSpace(before) && !afterEquals && (end >= s.size() || isSpace(s[end]) || s[end] == '>' || s[end] == '/');
        block.place = alone ? ServerBlock::Place::Attribute : ServerBlock::Place::Value;
      } else if (state == State::Quoted) {
        block.place = ServerBlock::Place::Value;
      }
      const std::string word = placeholderWord(page.prefix, page.blocks.size());
      out += block.place == ServerBlock::Place::Text ? wrapped(block, word) : word;
      page.blocks.push_back(std::move(block));
      afterEquals = false;
      i = end;
      continue;
    }
    const char c = s[i];
    switch (state) {
      case State::Text:
        if (c == '<' && s.compare(i, 4, "<!--") == 0) {
          state = State::Comment;
          out += "<!--";
          i += 4;
          continue;
        }
        if (c == '<' && i + 1 < s.size() && (std::isalpha(static_cast<unsigned char>(s[i + 1])) || s[i + 1] == '/')) {
          state = State::Tag;
          tagName.clear();
          std::size_t j = i + 1;
          while (j < s.size() && isNameChar(s[j])) tagName += lower(s[j++]);
          afterEquals = false;
        }
        break;
      case State::Tag:
        if (c == '"' || c == '\'') {
          state = State::Quoted;
          quote = c;
        } else if (c == '>') {
          state = State::Text;
          if (tagName == "script" || tagName == "style") {
            state = State::Raw;
            rawEnd = "</" + tagName;
          }
        } else if (c == '=') {
          afterEquals = true;
        } else if (!isSpace(c)) {
          afterEquals = false;
        }
        break;
      case State::Quoted:
        if (c == quote) state = State::Tag, afterEquals = false;
        break;
      case State::Comment:
        if (s.compare(i, 3, "-->") == 0) {
          state = State::Text;
          out += "-->";
          i += 3;
          continue;
        }
        break;
      case State::Raw:
        if (c == '<' && startsWithNoCase(s, i, rawEnd)) state = State::Text;
        break;
    }
    out += c;
    ++i;
  }
  return page;
}

std::string restoreServerBlocks(std::string_view output, const ProtectedPage& page) {
  if (page.blocks.empty()) return std::string(output);
  auto refuse = [](const std::string& why) {
    return Error("Tidy did not keep the page's server-side code intact (" + why +
                 "), so the document was not changed.");
  };
  std::vector<int> seen(page.blocks.size(), 0);
  std::string out;
  out.reserve(output.size() + output.size() / 4);
  const std::size_t wordSize = page.prefix.size() + 7;
  std::size_t copied = 0;
  for (std::size_t at = findNoCase(output, page.prefix, 0); at != std::string_view::npos;
       at = findNoCase(output, page.prefix, copied)) {
    std::size_t index = 0;
    bool wellFormed = at + wordSize <= output.size() && lower(output[at + wordSize - 1]) == 'x';
    for (std::size_t k = 0; wellFormed && k < 6; ++k) {
      const char d = output[at + page.prefix.size() + k];
      wellFormed = d >= '0' && d <= '9';
      index = index * 10 + static_cast<std::size_t>(d - '0');
    }
    if (!wellFormed || index >= page.blocks.size()) throw refuse("a placeholder was changed");
    const ServerBlock& block = page.blocks[index];
    if (++seen[index] > 1) throw refuse("a block was repeated");
    std::size_t from = at, to = at + wordSize;
    if (block.place == ServerBlock::Place::Text) {
      const std::string_view open = block.php ? "<?php " : "<%";
      const std::string_view close = block.php ? "?>" : "%>";
      if (at < open.size() + copied || output.substr(at - open.size(), open.size()) != open ||
          output.substr(to, close.size()) != close)
        throw refuse("a block was re-spaced");
      from -= open.size();
      to += close.size();
    } else if (block.place == ServerBlock::Place::Attribute && output.substr(to, 3) == "=\"\"") {
      to += 3;  // tidy gives a bare attribute an empty value
    }
    out.append(output.substr(copied, from - copied));
    out += block.text;
    copied = to;
  }
  out.append(output.substr(copied));
  for (int n : seen)
    if (n == 0) throw refuse("a block was dropped");
  return out;
}

std::string blocksInMessage(std::string_view message, const ProtectedPage& page) {
  std::string out;
  const std::size_t wordSize = page.prefix.size() + 7;
  std::size_t copied = 0;
  for (std::size_t at = findNoCase(message, page.prefix, 0); at != std::string_view::npos;
       at = findNoCase(message, page.prefix, at + 1)) {
    std::size_t index = 0;
    bool wellFormed = at + wordSize <= message.size() && lower(message[at + wordSize - 1]) == 'x';
    for (std::size_t k = 0; wellFormed && k < 6; ++k) {
      const char d = message[at + page.prefix.size() + k];
      wellFormed = d >= '0' && d <= '9';
      index = index * 10 + static_cast<std::size_t>(d - '0');
    }
    if (!wellFormed || index >= page.blocks.size()) continue;
    out.append(message.substr(copied, at - copied));
    out += page.blocks[index].text;
    copied = at + wordSize;
  }
  out.append(message.substr(copied));
  return out;
}

}  // namespace markloom
