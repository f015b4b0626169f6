#include "core/analysis/tag_scanner.h"

namespace markloom {

void TagScanner::appendText(std::string_view chunk) {
  if (chunk.empty()) return;
  if (pendingText_.empty()) textLine_ = line_;
  pendingText_.append(chunk);
}

void TagScanner::scan(std::string_view part) {
  const char* p = part.data();
  const char* const end = p + part.size();
  const char* run = p;  // ordinary characters since the last '<' or '>' not yet stored
  while (true) {
    while (p < end && *p != '<' && *p != '>') ++p;
    if (p == end) break;
    const std::string_view chunk(run, static_cast<std::size_t>(p - run));
    if (*p == '<') {
      // A '<' inside a tag is dropped; the tag goes on.
      if (insideTag_) {
        pendingTag_.append(chunk);
      } else {
        if (pendingText_.empty()) {
          if (!chunk.empty()) sink_.text(chunk, line_);
        } else {
          pendingText_.append(chunk);
          sink_.text(pendingText_, textLine_);
          pendingText_.clear();
        }
        insideTag_ = true;
        tagLine_ = line_;
      }
    } else if (insideTag_) {
      if (pendingTag_.empty()) {
        sink_.tag(chunk, tagLine_);
      } else {
        pendingTag_.append(chunk);
        sink_.tag(pendingTag_, tagLine_);
        pendingTag_.clear();
      }
      insideTag_ = false;
    } else {
      // A '>' in running text closes an empty tag; the surrounding text goes on
      // and is reported after it.
      appendText(chunk);
      sink_.tag(std::string_view(), line_);
    }
    run = ++p;
  }
  const std::string_view rest(run, static_cast<std::size_t>(end - run));
  if (insideTag_) pendingTag_.append(rest);
  else appendText(rest);
}

void TagScanner::endLine() {
  if (!insideTag_ && !pendingText_.empty()) pendingText_.push_back('\n');
  ++line_;
  lineHasBytes_ = false;
}

void TagScanner::feedLine(std::string_view line) {
  scan(line);
  endLine();
}

void TagScanner::feed(std::string_view bytes) {
  std::size_t start = 0;
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    if (i > start) {
      scan(bytes.substr(start, i - start));
      lineHasBytes_ = true;
      crPending_ = false;
    }
    start = i + 1;
    if (c == '\n' && crPending_) {
      crPending_ = false;  // the LF of a CR LF pair
      continue;
    }
    endLine();
    crPending_ = c == '\r';
  }
  if (start < n) {
    scan(bytes.substr(start));
    lineHasBytes_ = true;
    crPending_ = false;
  }
}

void TagScanner::finish() {
  if (lineHasBytes_) endLine();
  if (insideTag_) {
    if (!pendingTag_.empty()) sink_.tag(pendingTag_, tagLine_);
  } else if (!pendingText_.empty()) {
    sink_.text(pendingText_, textLine_);
  }
  pendingText_.clear();
  pendingTag_.clear();
  insideTag_ = false;
  line_ = 0;
  crPending_ = false;
  lineHasBytes_ = false;
}

}  // namespace markloom
