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

}  // namespace markloom
