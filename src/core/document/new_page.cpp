#include "core/document/new_page.h"

#include "core/text/line_list.h"

namespace markloom {

const std::vector<std::string>& newPageLines() {
  static const std::vector<std::string> lines = {
      "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">",
      "",
      "<html>",
      "<head>",
      "        <title>Untitled</title>",
      "</head>",
      "",
      "<body>",
      "",
      "",
      "",
      "</body>",
      "</html>",
  };
  return lines;
}

std::string newPageText() { return formatLineList(newPageLines()); }

namespace {

// Text for an element's content or a quoted attribute value.
std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> newPageLines(const NewPageFields& fields) {
  const std::string indent(8, ' ');
  std::vector<std::string> lines;
  if (fields.type == PageType::Html5) {
    lines = {"<!DOCTYPE html>", "", "<html lang=\"en\">", "<head>", indent + "<meta charset=\"utf-8\">"};
  } else {
    lines = {newPageLines()[0], "", "<html>", "<head>"};
  }
  lines.push_back(indent + "<title>" + (fields.title.empty() ? "Untitled" : escaped(fields.title)) + "</title>");
  if (!fields.keywords.empty())
    lines.push_back(indent + "<meta name=\"keywords\" content=\"" + escaped(fields.keywords) + "\">");
  if (!fields.description.empty())
    lines.push_back(indent + "<meta name=\"description\" content=\"" + escaped(fields.description) + "\">");
  for (const char* line : {"</head>", "", "<body>", "", "", "", "</body>", "</html>"}) lines.emplace_back(line);
  return lines;
}

}  // namespace markloom
