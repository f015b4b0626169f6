#pragma once
// The byte-level compressor: rewrites an HTML page with a fixed series of
// passes (quotes in tags, line breaks, blanks, short tags, block quotes,
// centred paragraphs), chosen by the options. Every pass is one linear scan
// over the text; the content of TEXTAREA, PRE and SCRIPT elements is kept from
// the passes that would damage it, and server-side blocks (<? ... ?>, <% ... %>)
// are kept from every pass.
#include <string>
#include <string_view>

#include "core/compress/compress_options.h"

namespace markloom {

std::string compressHtml(std::string_view text, const CompressOptions& options);
// The same over buf itself: every pass edits in place, so a page is never
// held twice.
void compressHtmlInPlace(std::string& buf, const CompressOptions& options);

namespace compress_pass {

// One replace pass: every occurrence of search (lower case; letter case is
// ignored) becomes replacement, and a run collapses fully. With an empty
// replacement it is a delete pass, which removes an occurrence only next to a
// tag edge, a blank or a line break. A pass whose search text begins with CR
// passes over tags, and deletes web-bot comments when webbots is set.
struct ReplaceRule {
  std::string_view search;
  std::string_view replacement;
  bool blockProtection;   // TEXTAREA and PRE
  bool scriptProtection;  // SCRIPT
  bool webbots;
};

void replacePass(std::string& text, const ReplaceRule& rule);
void quotePass(std::string& text);
// The blank rules in order: runs of four, three and two blanks -> one blank,
// " >" -> ">", then "> <t", "> </t", "> <l", "> </l", "> <p", "> </p" lose
// their blank (all with TEXTAREA, PRE and SCRIPT protection).
void spacePass(std::string& text);
// Turns openForm into "<center>" and the next "</p>" into "</center>".
void pairingPass(std::string& text, std::string_view openForm);

}  // namespace compress_pass
}  // namespace markloom
