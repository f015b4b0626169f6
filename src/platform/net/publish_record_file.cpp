#include "platform/net/publish_record_file.h"

#include <QDir>
#include <QFile>
#include <cstdint>

#include "platform/files/program_folder.h"

namespace markloom {

std::string publishRecordFile(const std::string& siteKey) {
  // FNV-1a: the same name on every run and every build.
  std::uint64_t hash = 14695981039346656037ull;
  for (const unsigned char c : siteKey) hash = (hash ^ c) * 1099511628211ull;
  const QString folder = workPath(QStringLiteral("Publish"));
  QDir().mkpath(folder);
  const QString name = QString::asprintf("%016llx.txt", static_cast<unsigned long long>(hash));
  return QFile::encodeName(QDir(folder).filePath(name)).toStdString();
}

}  // namespace markloom
