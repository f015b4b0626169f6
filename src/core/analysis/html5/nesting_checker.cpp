#include "core/analysis/html5/nesting_checker.h"

#include "core/analysis/html5/rows.h"

namespace markloom::html5 {

namespace {

// Open.state bits.
constexpr std::uint16_t kSeenChild = 1;
constexpr std::uint16_t kSeenText = 2;
constexpr std::uint16_t kLastDt = 4;
constexpr std::uint16_t kSeenDt = 8;
constexpr std::uint16_t kSeenImg = 16;
constexpr std::uint16_t kSeenHeading = 32;
constexpr std::uint16_t kSeenFigcaption = 64;
constexpr int kStageShift = 8;  // table parts seen so far, 0..5

bool isHeadingName(std::string_view n) { return n.size() == 2 && n[0] == 'H' && n[1] >= '1' && n[1] <= '6'; }

bool textAllowed(Model m) {
  switch (m) {
    case Model::Html:
    case Model::Head:
    case Model::List:
    case Model::Dl:
    case Model::DlDiv:
    case Model::Table:
    case Model::TableSection:
    case Model::Row:
    case Model::Colgroup:
    case Model::Select:
    case Model::Optgroup:
    case Model::Picture:
    case Model::Hgroup: return false;
    default: return true;
  }
}

int tableStage(std::string_view n) {
  if (n == "CAPTION") return 1;
  if (n == "COLGROUP") return 2;
  if (n == "THEAD") return 3;
  if (n == "TBODY" || n == "TR") return 4;
  if (n == "TFOOT") return 5;
  return 0;
}

bool oneOf(std::string_view n, std::initializer_list<std::string_view> names) {
  for (auto x : names)
    if (n == x) return true;
  return false;
}

}  // namespace

Model NestingChecker::effective(const Open& open) const {
  switch (open.model) {
    case Model::Transparent:
    case Model::Media:
    case Model::Map:
    case Model::Object: return open.inherit;
    default: return open.model;
  }
}

void NestingChecker::push(const StartTag& tag, bool implied) {
  if (open_.size() >= kMaxDepth) {
    ++overflow_;
    return;
  }
  Open o;
  o.shape = tag.shape;
  if (!tag.shape) o.name = tag.name;
  o.model = tag.shape ? tag.shape->model : Model::Any;
  o.line = tag.line;
  o.implied = implied;
  if (!open_.empty()) {
    const Open& parent = open_.back();
    o.inherit = effective(parent);
    o.forbid = parent.forbid;
    if (tag.name == "DIV" && o.inherit == Model::Dl) o.model = Model::DlDiv;
  } else {
    o.inherit = Model::Flow;
  }
  if (tag.shape) o.forbid |= tag.shape->excludes;
  open_.push_back(std::move(o));
}

void NestingChecker::pushImplied(std::string_view name, int line) {
  StartTag tag;
  tag.name = name;
  tag.shape = findShape(name);
  tag.line = line;
  if (!open_.empty() && tableStage(name) > 0) {
    Open& parent = open_.back();
    parent.state = static_cast<std::uint16_t>((parent.state & 0xff) | (tableStage(name) << kStageShift));
  }
  push(tag, true);
}

void NestingChecker::pop(int line, bool reportUnclosed) {
  const Open& top = open_.back();
  if (reportUnclosed && !top.implied && !(top.shape && (top.shape->flags & kOptionalEnd)))
    rows_.push_back(unclosedRow(nameOf(top), top.line));
  endChecks(top, line);
  open_.pop_back();
}

void NestingChecker::popAbove(std::size_t index, int line) {
  while (open_.size() > index + 1) pop(line, true);
}

int NestingChecker::findOpen(std::string_view name, std::uint8_t boundaries) const {
  for (std::size_t i = open_.size(); i-- > 0;) {
    if (is(open_[i], name)) return static_cast<int>(i);
    if (open_[i].shape && (open_[i].shape->flags & boundaries)) return -1;
  }
  return -1;
}

bool NestingChecker::inside(std::string_view upperName) const {
  for (const auto& o : open_)
    if (is(o, upperName)) return true;
  return false;
}

std::string_view NestingChecker::parentName() const { return open_.empty() ? "" : nameOf(open_.back()); }

void NestingChecker::closeHead(int line) {
  if (phase_ == Phase::BeforeHead) pushImplied("HEAD", line);
  const int head = findOpen("HEAD", 0);
  if (head >= 0) {
    popAbove(static_cast<std::size_t>(head), line);
    open_.pop_back();
  }
  if (!titleSeen_) rows_.push_back(missingElementRow("TITLE", "HEAD", line));
  titleSeen_ = true;
  phase_ = Phase::AfterHead;
}

bool NestingChecker::placeBeforeBody(const StartTag& tag) {
  if (tag.name == "HTML") {
    if (phase_ == Phase::Start) {
      push(tag, false);
      phase_ = Phase::BeforeHead;
    } else {
      rows_.push_back(moreThanOnceRow("HTML", tag.line));
    }
    return true;
  }
  if (phase_ == Phase::Start) {
    pushImplied("HTML", tag.line);
    phase_ = Phase::BeforeHead;
  }
  if (tag.name == "HEAD") {
    if (phase_ == Phase::BeforeHead) {
      push(tag, false);
      phase_ = Phase::InHead;
    } else {
      rows_.push_back(moreThanOnceRow("HEAD", tag.line));
    }
    return true;
  }
  const bool metadata = tag.shape && (tag.shape->categories & kMetadata);
  if (phase_ == Phase::BeforeHead && metadata) {
    pushImplied("HEAD", tag.line);
    phase_ = Phase::InHead;
  }
  if ((phase_ == Phase::BeforeHead || phase_ == Phase::InHead) && (!metadata || tag.name == "BODY"))
    closeHead(tag.line);
  if (phase_ == Phase::AfterHead) {
    if (tag.name == "BODY") {
      push(tag, false);
      phase_ = Phase::InBody;
      return true;
    }
    if (metadata) {
      rows_.push_back(
          makeRow(tag.name, "ELEMENT NOT ALLOWED: <" + std::string(tag.name) + "> AFTER </HEAD>", kError, tag.line));
      if (tag.pushes) push(tag, false);
      return true;
    }
    pushImplied("BODY", tag.line);
    phase_ = Phase::InBody;
  }
  if (phase_ == Phase::AfterBody) {
    rows_.push_back(
        makeRow(tag.name, "ELEMENT NOT ALLOWED: <" + std::string(tag.name) + "> AFTER </BODY>", kError, tag.line));
    phase_ = Phase::InBody;
  }
  if (tag.name == "BODY") {
    rows_.push_back(moreThanOnceRow("BODY", tag.line));
    return true;
  }
  return false;
}

void NestingChecker::impliedEnds(const StartTag& tag) {
  const std::string_view n = tag.name;
  auto closeTo = [&](int index) {
    if (index < 0) return;
    popAbove(static_cast<std::size_t>(index), tag.line);
    pop(tag.line, false);
  };
  if (tag.shape && (tag.shape->flags & kClosesP)) closeTo(findOpen("P", kPScope));
  if (isHeadingName(n) && !open_.empty() && isHeadingName(nameOf(open_.back()))) {
    rows_.push_back(notAllowedRow(n, nameOf(open_.back()), tag.line));
    pop(tag.line, false);
  }
  if (n == "LI" || n == "DT" || n == "DD") {
    for (std::size_t i = open_.size(); i-- > 0;) {
      const std::string_view at = nameOf(open_[i]);
      if (n == "LI" ? at == "LI" : (at == "DT" || at == "DD")) {
        closeTo(static_cast<int>(i));
        break;
      }
      const ElementShape* s = open_[i].shape;
      if (s && !(s->categories & kPhrasing) && !oneOf(at, {"ADDRESS", "DIV", "P"})) break;
    }
  } else if (n == "OPTION" || n == "OPTGROUP" || n == "HR") {
    if (!open_.empty() && is(open_.back(), "OPTION")) pop(tag.line, false);
    if (n != "OPTION" && !open_.empty() && is(open_.back(), "OPTGROUP")) pop(tag.line, false);
  } else if (n == "TR" || n == "TD" || n == "TH" || tableStage(n) > 0) {
    for (std::size_t i = open_.size(); i-- > 0;) {
      const std::string_view at = nameOf(open_[i]);
      const bool target = at == "TABLE" || ((n == "TR" || n == "TD" || n == "TH") && tableStage(at) >= 3) ||
                          ((n == "TD" || n == "TH") && at == "TR");
      if (target) {
        popAbove(i, tag.line);
        break;
      }
      if (open_[i].shape && (open_[i].shape->flags & kRoot)) break;
    }
  } else if (n == "RT" || n == "RP") {
    const int ruby = findOpen("RUBY", kPScope);
    if (ruby >= 0) popAbove(static_cast<std::size_t>(ruby), tag.line);
  }
}

void NestingChecker::checkOnce(const StartTag& tag) {
  if (!tag.shape || !(tag.shape->flags & kOnce) || (tag.hidden && tag.name == "MAIN")) return;
  if (tag.name == "TITLE") titleSeen_ = true;
  for (const ElementShape* seen : seenOnce_) {
    if (seen == tag.shape) {
      rows_.push_back(moreThanOnceRow(tag.name, tag.line));
      return;
    }
  }
  seenOnce_.push_back(tag.shape);
}

void NestingChecker::checkChild(const StartTag& tag) {
  const std::string_view n = tag.name;
  // The parts the browser adds inside tables.
  Model m = effective(open_.back());
  if (m == Model::Table && (n == "TR" || n == "TD" || n == "TH")) {
    if (n != "TR") rows_.push_back(notAllowedRow(n, nameOf(open_.back()), tag.line));
    pushImplied("TBODY", tag.line);
    if (n != "TR") pushImplied("TR", tag.line);
  } else if (m == Model::Table && n == "COL") {
    pushImplied("COLGROUP", tag.line);
  } else if (m == Model::TableSection && (n == "TD" || n == "TH")) {
    rows_.push_back(notAllowedRow(n, nameOf(open_.back()), tag.line));
    pushImplied("TR", tag.line);
  }
  if (overflow_) return;
  Open& parent = open_.back();
  const std::string_view p = nameOf(parent);
  const Model own = parent.model;
  m = effective(parent);
  const std::uint16_t c = tag.categories;
  const bool scriptSupporting = c & kScriptSupporting;
  bool ok = true;
  if (own == Model::Media && (n == "SOURCE" || n == "TRACK")) {
    ok = true;
  } else if (own == Model::Map && n == "AREA") {
    ok = true;
  } else {
    switch (m) {
      case Model::Any:
      case Model::Nothing: break;
      case Model::Flow: ok = c & kFlow; break;
      case Model::Phrasing: ok = c & kPhrasing; break;
      case Model::Html: ok = false; break;
      case Model::Head: ok = c & kMetadata; break;
      case Model::List: ok = n == "LI" || scriptSupporting; break;
      case Model::Dl: ok = oneOf(n, {"DT", "DD", "DIV"}) || scriptSupporting; break;
      case Model::DlDiv: ok = n == "DT" || n == "DD" || scriptSupporting; break;
      case Model::Table: ok = tableStage(n) > 0 || scriptSupporting; break;
      case Model::TableSection: ok = n == "TR" || scriptSupporting; break;
      case Model::Row: ok = n == "TD" || n == "TH" || scriptSupporting; break;
      case Model::Colgroup: ok = n == "COL" || n == "TEMPLATE"; break;
      case Model::Select:
        ok = oneOf(n, {"OPTION", "OPTGROUP", "HR", "NOSCRIPT", "BUTTON", "DIV"}) || scriptSupporting;
        break;
      case Model::Optgroup: ok = n == "OPTION" || n == "LEGEND" || scriptSupporting; break;
      case Model::Datalist: ok = n == "OPTION" || (c & kPhrasing); break;
      case Model::Ruby: ok = n == "RT" || n == "RP" || (c & kPhrasing); break;
      case Model::Picture: ok = n == "SOURCE" || n == "IMG" || scriptSupporting; break;
      case Model::Figure: ok = n == "FIGCAPTION" || (c & kFlow); break;
      case Model::Details: ok = n == "SUMMARY" || (c & kFlow); break;
      case Model::Fieldset: ok = n == "LEGEND" || (c & kFlow); break;
      case Model::Hgroup: ok = n == "P" || isHeadingName(n) || scriptSupporting; break;
      case Model::PhrasingOrHeading: ok = (c & kPhrasing) || (c & kHeading); break;
      case Model::Transparent:
      case Model::Media:
      case Model::Map:
      case Model::Object: break;
    }
  }
  if (!ok && tag.known) rows_.push_back(notAllowedRow(n, p, tag.line));
  // Order and number of children.
  const std::uint16_t seen = parent.state;
  if (m == Model::Table && tableStage(n) > 0) {
    const int stage = tableStage(n), now = seen >> kStageShift;
    if (stage < now || (stage == now && stage != 4 && stage != 2)) rows_.push_back(outOfOrderRow(n, p, tag.line));
    if (stage > now) parent.state = static_cast<std::uint16_t>((seen & 0xff) | (stage << kStageShift));
  } else if ((m == Model::Dl || m == Model::DlDiv) && (n == "DT" || n == "DD")) {
    if (n == "DD" && !(seen & kSeenDt)) rows_.push_back(missingElementRow("DT", p, tag.line));
    parent.state = static_cast<std::uint16_t>(n == "DT" ? (seen | kLastDt | kSeenDt) : (seen & ~kLastDt) | kSeenDt);
  } else if (m == Model::Details && !(seen & kSeenChild) && n != "SUMMARY") {
    rows_.push_back(missingElementRow("SUMMARY", p, tag.line));
  } else if ((n == "SUMMARY" && m == Model::Details) || (n == "LEGEND" && m == Model::Fieldset)) {
    if (seen & kSeenChild) rows_.push_back(outOfOrderRow(n, p, tag.line));
  } else if (m == Model::Picture && (n == "IMG" || n == "SOURCE")) {
    if (seen & kSeenImg) rows_.push_back(n == "IMG" ? notAllowedRow(n, p, tag.line) : outOfOrderRow(n, p, tag.line));
    if (n == "IMG") parent.state |= kSeenImg;
  } else if (m == Model::Hgroup && isHeadingName(n)) {
    if (seen & kSeenHeading) rows_.push_back(notAllowedRow(n, p, tag.line));
    parent.state |= kSeenHeading;
  } else if (m == Model::Figure && n == "FIGCAPTION") {
    if (seen & kSeenFigcaption) rows_.push_back(notAllowedRow(n, p, tag.line));
    parent.state |= kSeenFigcaption;
  }
  parent.state |= kSeenChild;
  // Descendants an ancestor forbids.
  std::uint16_t broken = tag.shape ? violationsOf(*tag.shape, c) : 0;
  if (c & kInteractive) broken |= kNoInteractive;
  if (tag.hasTabindex) broken |= kNoInteractive;
  broken &= parent.forbid;
  if (!broken) return;
  for (std::size_t i = open_.size(); i-- > 0;) {
    if (open_[i].shape && (open_[i].shape->excludes & broken)) {
      rows_.push_back(insideRow(n, nameOf(open_[i]), tag.line));
      return;
    }
  }
}

void NestingChecker::start(const StartTag& tag) {
  if (overflow_) {
    if (tag.pushes) ++overflow_;
    return;
  }
  if (placeBeforeBody(tag)) return;
  impliedEnds(tag);
  checkOnce(tag);
  if (!open_.empty()) checkChild(tag);
  if (tag.pushes) push(tag, false);
}

void NestingChecker::end(std::string_view n, int line) {
  if (overflow_) {
    --overflow_;
    return;
  }
  if (n == "HTML" || n == "BODY") {
    if (phase_ == Phase::BeforeHead || phase_ == Phase::InHead) closeHead(line);
    const int body = findOpen("BODY", 0);
    if (body >= 0) popAbove(static_cast<std::size_t>(body), line);
    if (phase_ != Phase::Start) phase_ = Phase::AfterBody;
    return;
  }
  if (n == "HEAD") {
    if (phase_ == Phase::InHead)
      closeHead(line);
    else
      rows_.push_back(strayEndTagRow(n, line));
    return;
  }
  const int at = findOpen(n, n == "P" ? kPScope : kRoot);
  if (at < 0) {
    rows_.push_back(strayEndTagRow(n, line));
    return;
  }
  popAbove(static_cast<std::size_t>(at), line);
  pop(line, false);
}

bool NestingChecker::textMatters() const {
  if (overflow_) return false;
  if (phase_ != Phase::InBody || open_.empty()) return true;
  const Open& top = open_.back();
  return !textAllowed(effective(top)) || (top.model == Model::Details && !(top.state & kSeenChild));
}

void NestingChecker::text(int line) {
  if (overflow_) return;
  if (phase_ == Phase::Start) {
    pushImplied("HTML", line);
    phase_ = Phase::BeforeHead;
  }
  if (phase_ == Phase::BeforeHead || phase_ == Phase::InHead) closeHead(line);
  if (phase_ == Phase::AfterHead) {
    pushImplied("BODY", line);
    phase_ = Phase::InBody;
  }
  if (phase_ == Phase::AfterBody) {
    rows_.push_back(makeRow("BODY", "TEXT NOT ALLOWED AFTER </BODY>", kError, line));
    phase_ = Phase::InBody;
    return;
  }
  if (open_.empty()) return;
  Open& top = open_.back();
  if (top.model == Model::Details && !(top.state & kSeenChild)) {
    rows_.push_back(missingElementRow("SUMMARY", nameOf(top), line));
    top.state |= kSeenChild;
  }
  if (!textAllowed(effective(top)) && !(top.state & kSeenText)) {
    rows_.push_back(textNotAllowedRow(nameOf(top), line));
    top.state |= kSeenText;
  }
}

void NestingChecker::endChecks(const Open& open, int line) {
  const std::string_view n = nameOf(open);
  if ((open.model == Model::Dl || open.model == Model::DlDiv) && (open.state & kLastDt))
    rows_.push_back(missingElementRow("DD", n, line));
  else if (open.model == Model::Picture && !(open.state & kSeenImg))
    rows_.push_back(missingElementRow("IMG", n, line));
  else if (open.model == Model::Hgroup && !(open.state & kSeenHeading))
    rows_.push_back(missingElementRow("H1-H6", n, line));
  else if (open.model == Model::Details && !(open.state & kSeenChild))
    rows_.push_back(missingElementRow("SUMMARY", n, line));
}

void NestingChecker::finish() {
  if (phase_ == Phase::Start) return;
  const int last = open_.empty() ? 0 : open_.back().line;
  if (phase_ == Phase::BeforeHead || phase_ == Phase::InHead) closeHead(last);
  while (!open_.empty()) pop(last, true);
  overflow_ = 0;
}

}  // namespace markloom::html5
