#include "core/analysis/html5/autofill.h"

#include "core/analysis/html5/microsyntax.h"

namespace markloom::html5 {

bool isAutofillDetail(std::string_view v) {
  static constexpr std::string_view kFields[] = {"name",
                                                 "honorific-prefix",
                                                 "given-name",
                                                 "additional-name",
                                                 "family-name",
                                                 "honorific-suffix",
                                                 "nickname",
                                                 "username",
                                                 "new-password",
                                                 "current-password",
                                                 "one-time-code",
                                                 "organization-title",
                                                 "organization",
                                                 "street-address",
                                                 "address-line1",
                                                 "address-line2",
                                                 "address-line3",
                                                 "address-level4",
                                                 "address-level3",
                                                 "address-level2",
                                                 "address-level1",
                                                 "country",
                                                 "country-name",
                                                 "postal-code",
                                                 "cc-name",
                                                 "cc-given-name",
                                                 "cc-additional-name",
                                                 "cc-family-name",
                                                 "cc-number",
                                                 "cc-exp",
                                                 "cc-exp-month",
                                                 "cc-exp-year",
                                                 "cc-csc",
                                                 "cc-type",
                                                 "transaction-currency",
                                                 "transaction-amount",
                                                 "language",
                                                 "bday",
                                                 "bday-day",
                                                 "bday-month",
                                                 "bday-year",
                                                 "sex",
                                                 "url",
                                                 "photo"};
  static constexpr std::string_view kContactFields[] = {"tel",
                                                        "tel-country-code",
                                                        "tel-national",
                                                        "tel-area-code",
                                                        "tel-local",
                                                        "tel-local-prefix",
                                                        "tel-local-suffix",
                                                        "tel-extension",
                                                        "email",
                                                        "impp"};
  auto oneOf = [](std::string_view t, auto& list) {
    for (auto k : list)
      if (equalsIgnoringCase(t, k)) return true;
    return false;
  };
  std::string_view tokens[6];
  int n = 0;
  bool tooMany = false;
  forEachToken(v, [&](std::string_view t) {
    if (n < 6)
      tokens[n++] = t;
    else
      tooMany = true;
  });
  if (n == 0 || tooMany) return false;
  if (n == 1 && (equalsIgnoringCase(tokens[0], "on") || equalsIgnoringCase(tokens[0], "off"))) return true;
  int i = 0;
  if (tokens[i].size() > 8 && equalsIgnoringCase(tokens[i].substr(0, 8), "section-")) ++i;
  if (i < n && (equalsIgnoringCase(tokens[i], "shipping") || equalsIgnoringCase(tokens[i], "billing"))) ++i;
  bool contact = false;
  for (std::string_view kind : {"home", "work", "mobile", "fax", "pager"}) {
    if (i < n && equalsIgnoringCase(tokens[i], kind)) {
      contact = true;
      ++i;
      break;
    }
  }
  if (i >= n) return false;
  if (!(oneOf(tokens[i], kContactFields) || (!contact && oneOf(tokens[i], kFields)))) return false;
  ++i;
  if (i < n && equalsIgnoringCase(tokens[i], "webauthn")) ++i;
  return i == n;
}

}  // namespace markloom::html5
