#pragma once
// The text of a new document window.
#include <string>
#include <vector>

namespace markloom {

const std::vector<std::string>& newPageLines();
// The same, each line ended by CR LF.
std::string newPageText();

}  // namespace markloom
