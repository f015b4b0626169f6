#pragma once
// The text of a new document window, and the pages "Create New Page" makes.
#include <string>
#include <string_view>
#include <vector>

namespace markloom {

const std::vector<std::string>& newPageLines();
// The same, each line ended by CR LF.
std::string newPageText();

enum class PageType { Html5, Html40Transitional };

// What "Create New Page" asks for. Texts are the document's bytes; an empty
// title makes "Untitled", empty keywords or description no meta tag.
struct NewPageFields {
  PageType type = PageType::Html5;
  std::string title, keywords, description;
};

// The page as lines: the type's DOCTYPE and head (an HTML5 page declares its
// language and UTF-8), the texts escaped for markup, and an empty body.
std::vector<std::string> newPageLines(const NewPageFields& fields);

}  // namespace markloom
