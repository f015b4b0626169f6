#include "core/analysis/html5/rows.h"

#include <string>

namespace markloom::html5 {

namespace {

// Values are quoted up to this many bytes; a longer one ends in "...".
constexpr std::size_t kQuotedBytes = 60;

std::string quoted(std::string_view value) {
  std::string out = "\"";
  for (char c : value.substr(0, kQuotedBytes)) out.push_back(c == '\n' || c == '\t' || c == '\r' ? ' ' : c);
  if (value.size() > kQuotedBytes) out += "...";
  out += '"';
  return out;
}

std::string tagged(std::string_view element) {
  std::string out;
  out.reserve(element.size() + 2);
  out.append(1, '<').append(element).append(1, '>');
  return out;
}

}  // namespace

ValidationRow makeRow(std::string_view subject, std::string message, std::string_view type, int line) {
  ValidationRow row;
  row.subject = subject;
  row.message = std::move(message);
  row.type = type;
  row.line = line;
  return row;
}

ValidationRow notAllowedRow(std::string_view child, std::string_view parent, int line) {
  return makeRow(child, "ELEMENT NOT ALLOWED: " + tagged(child) + " IN " + tagged(parent), kError, line);
}

ValidationRow insideRow(std::string_view child, std::string_view ancestor, int line) {
  return makeRow(child, "ELEMENT NOT ALLOWED: " + tagged(child) + " INSIDE " + tagged(ancestor), kError, line);
}

ValidationRow textNotAllowedRow(std::string_view parent, int line) {
  return makeRow(parent, "TEXT NOT ALLOWED IN " + tagged(parent), kError, line);
}

ValidationRow missingElementRow(std::string_view child, std::string_view parent, int line) {
  return makeRow(child, "MISSING ELEMENT: " + tagged(child) + " IN " + tagged(parent), kError, line);
}

ValidationRow outOfOrderRow(std::string_view child, std::string_view parent, int line) {
  return makeRow(child, "ELEMENT OUT OF ORDER: " + tagged(child) + " IN " + tagged(parent), kError, line);
}

ValidationRow moreThanOnceRow(std::string_view element, int line) {
  return makeRow(element, "ELEMENT MORE THAN ONCE: " + tagged(element), kError, line);
}

ValidationRow unclosedRow(std::string_view element, int line) {
  return makeRow(element, "UNCLOSED ELEMENT: " + tagged(element), kError, line);
}

ValidationRow strayEndTagRow(std::string_view element, int line) {
  return makeRow(element, "STRAY END TAG: </" + std::string(element) + ">", kError, line);
}

ValidationRow badValueRow(std::string_view attribute, std::string_view value, std::string_view element,
                          std::string_view expected, int line, std::string_view type) {
  return makeRow(attribute,
                 "BAD VALUE: " + std::string(attribute) + "=" + quoted(value) + " IN " + tagged(element) + " (" +
                     std::string(expected) + ")",
                 type, line);
}

ValidationRow missingAttributeRow(std::string_view attribute, std::string_view element, int line) {
  return makeRow(attribute, "MISSING PROPERTY: " + std::string(attribute) + " IN " + tagged(element), kError, line);
}

ValidationRow attributeNotAllowedRow(std::string_view attribute, std::string_view where, int line) {
  return makeRow(attribute, "PROPERTY NOT ALLOWED: " + std::string(attribute) + " IN " + tagged(where), kError, line);
}

ValidationRow duplicateIdRow(std::string_view id, int line) {
  return makeRow("ID", "DUPLICATE ID: " + quoted(id), kError, line);
}

ValidationRow missingIdRow(std::string_view id, std::string_view attribute, std::string_view element, int line) {
  return makeRow(attribute,
                 "NO SUCH ID: " + quoted(id) + " (" + std::string(attribute) + " IN " + tagged(element) + ")", kError,
                 line);
}

}  // namespace markloom::html5
