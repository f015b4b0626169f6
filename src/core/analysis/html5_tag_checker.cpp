#include "core/analysis/html5_tag_checker.h"

#include "core/analysis/html5/content_models.h"
#include "core/analysis/html5/microsyntax.h"
#include "core/analysis/html5_rules.h"
#include "core/analysis/html_tokens.h"
#include "core/analysis/rule_set.h"

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

// Calls f(name, value) for every attribute of a start tag's text after its
// element name, as a browser's tokenizer reads them, and returns true when the
// tag ends with the self-closing "/".
template <class F>
bool forEachAttribute(std::string_view t, std::size_t i, F&& f) {
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
    const std::string_view name = t.substr(start, i - start);
    while (i < n && isSpace(t[i])) ++i;
    if (i >= n || t[i] != '=') {
      f(name, std::string_view());
      continue;
    }
    ++i;
    while (i < n && isSpace(t[i])) ++i;
    if (i < n && (t[i] == '"' || t[i] == '\'')) {
      const std::size_t close = t.find(t[i], i + 1);
      const std::size_t end = close == std::string_view::npos ? n : close;
      f(name, t.substr(i + 1, end - i - 1));
      i = close == std::string_view::npos ? n : close + 1;
    } else {
      const std::size_t valueStart = i;
      while (i < n && !isSpace(t[i])) ++i;  // an unquoted value keeps any '/' in it
      f(name, t.substr(valueStart, i - valueStart));
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
  return unknownPropertyRow(attribute, element, line);
}

ValidationRow obsoleteElementRow(std::string_view element, int line) {
  ValidationRow row = supersededRow(element, line);
  row.type = "Error";
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
  if (first == '!' && isDoctype(tag.head)) started_ = true;
  if (first == '!') {
    // A comment that does not end in this tag goes on to a later '>'.
    // "<!-->" and "<!--->" end where they start; otherwise "--" before the
    // '>' ends it, past the opening "!--".
    const bool abrupt = !tag.cut && (tag.head == "!--" || tag.head == "!---");
    const bool closed = abrupt || (tag.tail.ends_with("--") && (tag.cut || tag.head.size() >= 5));
    if (tag.head.starts_with("!--") && !closed) inComment_ = true;
    return;
  }
  if (first == '?') {
    if (!seenMarkup_ && tag.head.starts_with("?xml")) xhtml_ = true;
    return;
  }
  if (first == '/' && tag.head.size() > 1 && isLetter(tag.head[1])) {
    if (!started_) return;  // as when the DOCTYPE chooses: nothing is checked before it
    name_.clear();
    appendUpper(elementName(tag.head.substr(1)), name_);
    seenMarkup_ = true;
    nesting_.end(name_, line);
    return;
  }
  // Server code and a '<' that starts no tag (a blank or a digit after it)
  // are not checked.
  if (!isLetter(first)) return;
  seenMarkup_ = true;
  started_ = true;
  startTag(tag, line);
}

void Html5TagChecker::text(std::string_view raw, int line) {
  // Text before the DOCTYPE or the first element is passed over, as it is
  // when the DOCTYPE chooses the rules (the choice is not made before).
  if (!started_ || inComment_ || !rawTextEnd_.empty() || foreignDepth_ > 0 || !nesting_.textMatters()) return;
  if (!seenMarkup_ && raw.starts_with("\xEF\xBB\xBF")) raw.remove_prefix(3);  // a byte order mark
  bool blank = true;
  for (char c : raw) {
    if (!html5::isHtmlSpace(c)) {
      blank = false;
      break;
    }
  }
  if (blank) return;
  seenMarkup_ = true;
  nesting_.text(line);
}

void Html5TagChecker::finish() {
  nesting_.finish();
  ids_.finish();
  inComment_ = false;
  rawTextEnd_.clear();
  foreignDepth_ = 0;
}

html5::StartTag Html5TagChecker::describe(std::string_view name, const Html5Element* element, bool pushes,
                                          int line) const {
  using namespace html5;
  StartTag t;
  t.name = name;
  t.line = line;
  t.pushes = pushes;
  t.known = true;
  t.shape = element ? element->shape : nullptr;
  if (!t.shape) {
    t.known = element == nullptr;  // custom elements are flow and phrasing; obsolete ones were reported
    t.categories = kFlow | kPhrasing;
    return t;
  }
  auto has = [&](std::string_view n) { return findAttribute(attributes_, n) != nullptr; };
  std::uint16_t c = t.shape->categories;
  if ((name == "A" && has("HREF")) || (name == "IMG" && has("USEMAP")) ||
      ((name == "VIDEO" || name == "AUDIO") && has("CONTROLS")))
    c |= kInteractive;
  if (name == "INPUT") {
    const html5::TagAttribute* type = findAttribute(attributes_, "TYPE");
    if (type && equalsIgnoringCase(trimSpaces(type->value), "hidden")) c &= ~kInteractive;
  }
  if (name == "AREA" && nesting_.inside("MAP")) c |= kFlow | kPhrasing;
  if ((name == "META" || name == "LINK") && (has("ITEMPROP") || has("PROPERTY"))) c |= kFlow | kPhrasing;
  if (name == "LINK") {
    // Links a page may carry in its body: style sheets and resource hints.
    static constexpr std::string_view kBodyOk[] = {"stylesheet",   "preload",    "prefetch",  "modulepreload",
                                                   "dns-prefetch", "preconnect", "prerender", "pingback"};
    if (const html5::TagAttribute* rel = findAttribute(attributes_, "REL")) {
      bool all = true, any = false;
      forEachToken(rel->value, [&](std::string_view token) {
        bool ok = false;
        for (auto k : kBodyOk) ok = ok || equalsIgnoringCase(token, k);
        all = all && ok;
        any = true;
      });
      if (all && any) c |= kFlow | kPhrasing;
    }
  }
  t.categories = c;
  t.hasTabindex = has("TABINDEX");
  t.hidden = name == "MAIN" && has("HIDDEN");
  return t;
}

void Html5TagChecker::startTag(const Kept& tag, int line) {
  const std::string_view namePart = elementName(tag.head);
  name_.clear();
  appendUpper(namePart, name_);
  const Html5Element* element = Html5Table::instance().find(name_);
  const bool custom = !element && name_.find('-') != std::string::npos && html5::isCustomElementName(namePart) &&
                      !html5::isReservedCustomName(name_);
  attributes_.clear();
  if (!element && !custom) {
    rows_.push_back(unknownTagRow(name_, line));
    html5::StartTag t = describe(name_, nullptr, true, line);
    t.known = false;  // kept open so that its end tag matches, but not placed
    nesting_.start(t);
    return;
  }
  bool selfClosing = false;
  if (element && element->superseded) {
    rows_.push_back(obsoleteElementRow(name_, line));
  } else {
    const char* const headEnd = tag.head.data() + tag.head.size();
    selfClosing = forEachAttribute(tag.head, namePart.size(), [&](std::string_view piece, std::string_view value) {
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
      const bool valueCut = tag.cut && value.data() + value.size() >= headEnd;
      attributes_.push_back({attribute_, value, valueCut});
    });
    if (tag.cut) {
      // Without the middle the slash's place is judged from what precedes it:
      // after a blank or a closing quote it stands alone.
      const std::string_view t = tag.tail;
      selfClosing = t.ends_with('/') &&
                    (t.size() == 1 || isSpace(t[t.size() - 2]) || t[t.size() - 2] == '"' || t[t.size() - 2] == '\'');
    }
    if (name_ == "HTML" && html5::findAttribute(attributes_, "XMLNS")) xhtml_ = true;
    // A "/" before '>' closes nothing on an element that has content: the
    // browser ignores it and the element stays open. XML closes any element so.
    if (selfClosing && !xhtml_ && (custom || !(element->isVoid || element->foreignRoot)))
      rows_.push_back(unknownPropertyRow("/", name_, line));
    if (element && element->foreignRoot && !selfClosing) {
      foreignRoot_ = name_;
      foreignDepth_ = 1;
    }
  }
  const bool closed = xhtml_ && selfClosing;
  const bool rawText = element && element->rawText && !closed;
  if (rawText) rawTextEnd_ = "/" + name_;
  if (element && !element->superseded) attributeChecker_.check(name_, attributes_, nesting_, line);
  const bool pushes = !closed && !rawText && !(element && (element->isVoid || element->foreignRoot));
  nesting_.start(describe(name_, element, pushes, line));
}

}  // namespace markloom
