#include "core/compress/html_compress.h"

namespace markloom {

std::string compressHtml(std::string_view text, const CompressOptions& options) {
  std::string buf(text);
  compressHtmlInPlace(buf, options);
  return buf;
}

void compressHtmlInPlace(std::string& buf, const CompressOptions& o) {
  using compress_pass::replacePass;
  if (o.quotesInTags) compress_pass::quotePass(buf);
  if (o.allLineBreaks || o.extraLineBreaks) {
    replacePass(buf, {"\r\r", "\r", true, false, o.webBots});
    replacePass(buf, {"\n\n", "\n", true, false, o.webBots});
    if (o.allLineBreaks) {
      replacePass(buf, {"\r\n", "", true, true, o.webBots});
      replacePass(buf, {"\r", "", true, true, o.webBots});
      replacePass(buf, {"\n", "", true, true, o.webBots});
    }
  }
  if (o.spaces) compress_pass::spacePass(buf);
  if (o.shortTags) {
    static constexpr std::string_view kShortTags[][2] = {{"<strong>", "<b>"}, {"</strong>", "</b>"},
                                                         {"<em>", "<i>"},     {"</em>", "</i>"},
                                                         {"<strike>", "<s>"}, {"</strike>", "</s>"}};
    for (const auto& rule : kShortTags) replacePass(buf, {rule[0], rule[1], false, true, false});
  }
  if (o.blockquoteToList) {
    replacePass(buf, {"<blockquote>", "<ul>", false, true, false});
    replacePass(buf, {"</blockquote>", "</ul>", false, true, false});
  }
  if (o.center) {
    compress_pass::pairingPass(buf, "<p align=center>");
    compress_pass::pairingPass(buf, "<p align=\"center\">");
  }
}

}  // namespace markloom

