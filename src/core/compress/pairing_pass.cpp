// Centred paragraphs: an opening form and the next "</p>" become a centre pair.
#include "core/compress/html_compress.h"
#include "core/compress/in_place_edit.h"

namespace markloom::compress_pass {

void pairingPass(std::string& buf, std::string_view openForm) {
  // "<center>" is shorter than either opening form by at least 8 bytes and
  // "</center>" longer than "</p>" by 5, and every closing replacement follows
  // its opening one, so the output never overtakes the unread text.
  InPlace s(buf);
  const std::string_view t = s.text();
  const std::size_t n = t.size();
  scan::StopSet stops;
  stops.add('<', openForm[1], openForm[2]);
  stops.add('<', '/', 'p');
  stops.add('<', '?');
  stops.add('<', '%');
  bool seekingClose = false;
  while (!s.atEnd()) {
    const std::size_t p = stops.next(t, s.r(), n);
    if (p >= n) return;
    s.keep(p);
    if (scan::serverOpenerAt(t, p)) {
      if (!passServerBlock(s)) return;
      continue;
    }
    if (!seekingClose && scan::startsWith(t, p, openForm)) {
      s.replaceAndPass(openForm.size(), "<center>");
      seekingClose = true;
    } else if (seekingClose && scan::startsWith(t, p, "</p>")) {
      s.replaceAndPass(4, "</center>");
      seekingClose = false;
    } else {
      s.keep(p + 1);
    }
  }
}

}  // namespace markloom::compress_pass
