#include "core/analysis/html5_tag_checker.h"

#include "core/analysis/html5_rules.h"
#include "core/analysis/html_tokens.h"

namespace markloom {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::string_view trimmedRight(std::string_view text) {
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

bool endsWithUpper(std::string_view text, std::string_view upperSuffix) {
  if (text.size() < upperSuffix.size()) return false;
  const std::string_view tail = text.substr(text.size() - upperSuffix.size());
  for (std::size_t i = 0; i < tail.size(); ++i) {
    if (upperAscii(tail[i]) != upperSuffix[i]) return false;
  }
  return true;
}

// The element name at the start of a tag text: up to white space or '/'.
std::string_view elementName(std::string_view tagText) {
  std::size_t end = 0;
  while (end < tagText.size() && !isSpace(tagText[end]) && tagText[end] != '/') ++end;
  return tagText.substr(0, end);
}

// Calls f(name) for every attribute name of a start tag's text after its
// element name, as a browser's tokenizer reads them, and returns true when the
// tag ends with the self-closing "/".
template <class F>
bool forEachAttributeName(std::string_view t, std::size_t i, F&& f) {
  const std::size_t n = t.size();
  while (i < n) {
    const char c = t[i];
    if (isSpace(c)) {
      ++i;
      continue;
    }
    if (c == '/') {
      if (i + 1 == n) return true;
      ++i;  // a stray slash inside a tag is ignored
      continue;
    }
    // The name runs to white space, '/', or '='; a leading '=' belongs to it.
    const std::size_t start = i++;
    while (i < n && !isSpace(t[i]) && t[i] != '/' && t[i] != '=') ++i;
    f(t.substr(start, i - start));
    while (i < n && isSpace(t[i])) ++i;
    if (i >= n || t[i] != '=') continue;
    ++i;
    while (i < n && isSpace(t[i])) ++i;
    if (i < n && (t[i] == '"' || t[i] == '\'')) {
      const std::size_t close = t.find(t[i], i + 1);
      i = close == std::string_view::npos ? n : close + 1;
    } else {
      while (i < n && !isSpace(t[i])) ++i;  // an unquoted value keeps any '/' in it
    }
  }
  return false;
}

}  // namespace

ValidationRow unknownTagRow(std::string_view element, int line) {
  ValidationRow row;
  row.subject = element;
  row.message.append(kUnknownTagPrefix).append(element);
  row.type = "Error";
  row.line = line;
  return row;
}

ValidationRow obsoletePropertyRow(std::string_view attribute, std::string_view element, int line) {
  ValidationRow row = unknownPropertyRow(attribute, element, line);
  row.type = "Deprecated";
  return row;
}

bool Html5TagChecker::insideSkippedContent(const Kept& tag) {
  if (inComment_) {
    // "-->" ends it; a '>' met in running text inside the comment arrives as an
    // empty tag, and most often is that end.
    if (tag.tail.empty() || tag.tail.ends_with("--")) inComment_ = false;
    return true;
  }
  if (!rawTextEnd_.empty()) {
    // The end tag may arrive glued to text before it, when a '<' in a script
    // opened a tag that only the end tag's '>' closed.
    if (endsWithUpper(trimmedRight(tag.tail), rawTextEnd_)) rawTextEnd_.clear();
    return true;
  }
  if (foreignDepth_ > 0) {
    if (tag.head.empty()) return true;
    const bool closing = tag.head[0] == '/';
    name_.clear();
    appendUpper(elementName(closing ? tag.head.substr(1) : tag.head), name_);
    if (name_ == foreignRoot_) {
      if (closing)
        --foreignDepth_;
      else if (!trimmedRight(tag.tail).ends_with('/'))
        ++foreignDepth_;
    }
    return true;
  }
  return false;
}

void Html5TagChecker::tag(std::string_view tagText, int line) { check({tagText, tagText, false}, line); }

void Html5TagChecker::longTag(std::string_view head, std::string_view tail, int line) {
  check({head, tail, true}, line);
}

void Html5TagChecker::check(const Kept& tag, int line) {
  if (insideSkippedContent(tag) || tag.head.empty()) return;
  const char first = tag.head[0];
  if (first == '!') {
    // A comment that does not end in this tag goes on to a later '>'.
    if (tag.head.starts_with("!--") && (tag.cut || tag.head.size() > 4) && !tag.tail.ends_with("--")) inComment_ = true;
    return;
  }
  // End tags, processing instructions, server code, and a '<' that starts no
  // tag (a blank or a digit after it) are not checked.
  if (!isLetter(first)) return;
  startTag(tag, line);
}

void Html5TagChecker::startTag(const Kept& tag, int line) {
  const std::string_view namePart = elementName(tag.head);
  name_.clear();
  appendUpper(namePart, name_);
  const Html5Element* element = Html5Table::instance().find(name_);
  const bool custom = !element && name_.find('-') != std::string::npos;
  if (!element && !custom) {
    rows_.push_back(unknownTagRow(name_, line));
    return;
  }
  if (element && element->superseded) {
    rows_.push_back(supersededRow(name_, line));
  } else {
    const char* const headEnd = tag.head.data() + tag.head.size();
    bool selfClosing = forEachAttributeName(tag.head, namePart.size(), [&](std::string_view piece) {
      if (custom) return;  // a custom element defines its own attributes
      // In a cut tag the name that runs into the cut may be only its start.
      if (tag.cut && piece.data() + piece.size() == headEnd) return;
      attribute_.clear();
      appendUpper(piece, attribute_);
      switch (element->attribute(attribute_)) {
        case AttributeStatus::Permitted: break;
        case AttributeStatus::Obsolete: rows_.push_back(obsoletePropertyRow(attribute_, name_, line)); break;
        case AttributeStatus::Unknown: rows_.push_back(unknownPropertyRow(attribute_, name_, line)); break;
      }
    });
    if (tag.cut) {
      // Without the middle the slash's place is judged from what precedes it:
      // after a blank or a closing quote it stands alone.
      const std::string_view t = tag.tail;
      selfClosing = t.ends_with('/') &&
                    (t.size() == 1 || isSpace(t[t.size() - 2]) || t[t.size() - 2] == '"' || t[t.size() - 2] == '\'');
    }
    // A "/" before '>' closes nothing on an element that has content: the
    // browser ignores it and the element stays open.
    if (selfClosing && (custom || !(element->isVoid || element->foreignRoot)))
      rows_.push_back(unknownPropertyRow("/", name_, line));
    if (element && element->foreignRoot && !selfClosing) {
      foreignRoot_ = name_;
      foreignDepth_ = 1;
    }
  }
  if (element && element->rawText) rawTextEnd_ = "/" + name_;
}

}  // namespace markloom
