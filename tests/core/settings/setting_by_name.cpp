// Checked by the compiler only: a setting is read through its declared
// constant and with its kind's type. Built as it stands it compiles; with
// MISSPELT_NAME or FLAG_AS_TEXT defined it must not.
#include <string>

#include "core/settings/settings_snapshot.h"
#include "core/settings/settings_table.h"

int main() {
  markloom::SettingsSnapshot snapshot;
#if defined(MISSPELT_NAME)
  const std::string& indent = snapshot.get(markloom::kBlockIndnet);
#elif defined(FLAG_AS_TEXT)
  const std::string& indent = snapshot.get(markloom::kAutoIndent);
#else
  const std::string& indent = snapshot.get(markloom::kBlockIndent);
#endif
  return static_cast<int>(indent.size());
}
