#pragma once
// The autocomplete attribute of form controls: the autofill field names and
// the tokens that may come before them.
#include <string_view>

namespace markloom::html5 {

// An autofill detail list: "on", "off", or [section-*] [shipping|billing]
// [home|work|mobile|fax|pager] field name [webauthn] (the kind of line only
// before the fields a phone, e-mail or chat address fills).
bool isAutofillDetail(std::string_view v);

}  // namespace markloom::html5
