#include "core/workspace/recovery_record.h"

namespace markloom {

namespace {
constexpr std::string_view kHeader = "MARKLOOM RECOVERY 1\n";
}

std::string recoveryHeader(const std::string& fileName) {
  std::string out;
  out.append(kHeader).append(fileName).append("\n");
  return out;
}

std::string encodeRecovery(const RecoveryRecord& record) {
  std::string out;
  out.reserve(kHeader.size() + record.fileName.size() + 1 + record.bytes.size());
  out.append(recoveryHeader(record.fileName)).append(record.bytes);
  return out;
}

std::optional<RecoveryRecord> decodeRecovery(std::string_view stored) {
  if (!stored.starts_with(kHeader)) return std::nullopt;
  stored.remove_prefix(kHeader.size());
  const std::size_t end = stored.find('\n');
  if (end == std::string_view::npos) return std::nullopt;
  RecoveryRecord record;
  record.fileName = stored.substr(0, end);
  record.bytes = stored.substr(end + 1);
  return record;
}

}  // namespace markloom
