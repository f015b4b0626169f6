// The value grammars on their own: for each, values that conform and values
// that do not, as the standard's text defines them.
#include <gtest/gtest.h>

#include <string_view>

#include "core/analysis/html5/autofill.h"
#include "core/analysis/html5/dates.h"
#include "core/analysis/html5/microsyntax.h"

namespace markloom::html5 {
namespace {

struct GrammarCase {
  const char* grammar;
  bool (*conforms)(std::string_view);
  std::vector<std::string_view> good;
  std::vector<std::string_view> bad;
};

bool srcset(std::string_view v) {
  bool widths = false;
  return isSrcset(v, widths);
}

TEST(Microsyntax, EachGrammarTakesItsValuesAndTurnsAwayTheRest) {
  const GrammarCase cases[] = {
      {"integer", isInteger, {"0", "-12", "007"}, {"", "+1", "1.0", " 1", "1e3", "-"}},
      {"non-negative integer", isNonNegativeInteger, {"0", "42"}, {"-1", "4 2", "50%", "x"}},
      {"positive integer", isPositiveInteger, {"1", "00010"}, {"0", "000", "-3"}},
      {"floating-point number",
       isFloatingPointNumber,
       {"1", "-0.5", ".5", "1e-3", "2.5E+4"},
       {"1.", "+1", "1e", "--1", "0x10", "", "."}},
      {"URL", isValidUrl, {"", " a.html ", "https://x.test/a?b=c#d", "%20"}, {"a b.html", "a\\b"}},
      {"non-empty URL", isNonEmptyUrl, {"a", "/"}, {"", "  "}},
      {"absolute URL", isAbsoluteUrl, {"https://schema.org/Thing", "urn:isbn:1"}, {"/Thing", "schema.org", "1a:b"}},
      {"date",
       isDateString,
       {"2026-02-28", "2024-02-29", "12345-01-01"},
       {"2026-02-29", "2026-13-01", "26-01-01", "2026-1-01", "2026-01-01T00:00Z"}},
      {"date with optional time",
       isDateWithOptionalTime,
       {"2026-01-01", "2026-01-01T10:00Z", "2026-01-01 10:00:30.5+01:00", "2026-01-01T10:00-0530"},
       {"2026-01-01T10:00", "10:00Z", "2026-01-01T24:00Z"}},
      {"time element value",
       isTimeElementValue,
       {"2026", "2026-02", "2026-02-28", "02-28", "--02-28", "10:30", "10:30:15.123", "2026-02-28T10:30",
        "2026-02-28T10:30Z", "2026-W09", "Z", "+01:00", "PT2H30M", "P3D", "PT0.5S", "2h 30m", "1w 2d"},
       {"yesterday", "2026-02-30", "10:60", "PT", "P", "2026-W54", "2.5h", "1x", ""}},
      {"language tag",
       isLanguageTag,
       {"", "en", "en-GB", "zh-Hant-TW", "x-klingon", "i-navajo", "sgn-BE-FR"},
       {"en_US", "en-", "-en", "en-waytoolongsubtag", "1en", "latn"}},
      {"MIME type",
       isMimeType,
       {"text/html", "image/svg+xml", "text/html; charset=utf-8", "a/b;x=\"y z\""},
       {"text", "text/", "/html", "text/html;", "text html"}},
      {"accept list", isAcceptList, {"image/*", ".pdf,.doc", "audio/*, video/mp4"}, {"", "pdf", ".", "image/*,"}},
      {"image candidates",
       srcset,
       {"a.png", "a.png 1x, b.png 2x", "a.png 100w,b.png 200w", "a.png 1.5x"},
       {"", "a.png 1x, b.png 100w", "a.png, b.png", "a.png 0w", "a.png -1x", "a.png 2q", "a.png 1x,,b.png 2x"}},
      {"autofill detail",
       isAutofillDetail,
       {"on", "OFF", "email", "section-a shipping street-address", "billing work tel", "username webauthn",
        "current-password"},
       {"", "yes", "on off", "work street-address", "section-", "email name", "shipping", "email webauthn x"}},
      {"id", isValidId, {"a", "1", "a-b_c"}, {"", "a b", "a\tb"}},
      {"custom element name",
       isCustomElementName,
       {"my-widget", "x-y.z_1", "a-\xc3\xa9"},
       {"widget", "-x", "1-x", "my$-x"}},
  };
  for (const auto& c : cases) {
    for (auto v : c.good) EXPECT_TRUE(c.conforms(v)) << c.grammar << " should take \"" << v << "\"";
    for (auto v : c.bad) EXPECT_FALSE(c.conforms(v)) << c.grammar << " should refuse \"" << v << "\"";
  }
}

TEST(Microsyntax, SrcsetTellsWhetherWidthsAreUsed) {
  bool widths = false;
  EXPECT_TRUE(isSrcset("a.png 100w, b.png 200w", widths));
  EXPECT_TRUE(widths);
  EXPECT_TRUE(isSrcset("a.png 2x", widths));
  EXPECT_FALSE(widths);
}

TEST(Microsyntax, ReservedCustomNames) {
  for (const char* name : {"FONT-FACE", "ANNOTATION-XML", "MISSING-GLYPH", "COLOR-PROFILE"})
    EXPECT_TRUE(isReservedCustomName(name)) << name;
  EXPECT_FALSE(isReservedCustomName("MY-FONT-FACE"));
}

TEST(Microsyntax, JavaScriptTypesInAnyCase) {
  EXPECT_TRUE(isJavaScriptMimeType("text/javascript"));
  EXPECT_TRUE(isJavaScriptMimeType(" Application/ECMAScript "));
  EXPECT_FALSE(isJavaScriptMimeType("module"));
  EXPECT_FALSE(isJavaScriptMimeType("text/plain"));
}

}  // namespace
}  // namespace markloom::html5
