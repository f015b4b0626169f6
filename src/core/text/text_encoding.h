#pragma once
// How a document's bytes are shown and written back: valid UTF-8 is edited as
// UTF-8, anything else as 8-bit text; the line-end style of the file is kept.
#include <string>
#include <string_view>

namespace markloom {

bool isValidUtf8(std::string_view bytes);

enum class LineEnd { CrLf, Lf, Cr };

// The style of the first line end in bytes; CR LF when there is none.
LineEnd detectLineEnd(std::string_view bytes);
const char* lineEndText(LineEnd style);
// Every CR LF, CR or LF in text becomes the line end of style.
std::string convertLineEnds(std::string_view text, LineEnd style);

}  // namespace markloom
