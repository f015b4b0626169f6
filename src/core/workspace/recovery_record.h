#pragma once
// A document's unsaved text as kept for crash recovery: which file it belongs
// to and its bytes, in one file of the form
//   "MARKLOOM RECOVERY 1\n" <file name, UTF-8> "\n" <the document's bytes>
// An untitled document has an empty file name.
#include <optional>
#include <string>
#include <string_view>

namespace markloom {

struct RecoveryRecord {
  std::string fileName;
  std::string bytes;
  bool operator==(const RecoveryRecord&) const = default;
};

std::string encodeRecovery(const RecoveryRecord& record);
// What comes before the bytes, so a large document's bytes can be appended
// to it straight from the editor: encodeRecovery is this plus the bytes.
std::string recoveryHeader(const std::string& fileName);
// nullopt for anything that is not a recovery record (a stray or cut file).
std::optional<RecoveryRecord> decodeRecovery(std::string_view stored);

}  // namespace markloom
