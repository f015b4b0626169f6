#include "platform/wml/qt_picture_source.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "core/wml/picture_files.h"

namespace markloom {

namespace {
// A WBMP of the largest size a phone shows is far smaller.
constexpr qint64 kLargestWbmp = 1 << 20;
}  // namespace

QtPictureSource::QtPictureSource(const QString& folder)
    : folder_(folder.isEmpty() ? std::string() : QFile::encodeName(folder).toStdString()) {}

QString QtPictureSource::fileName(const std::string& path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::optional<PictureFacts> QtPictureSource::find(std::string_view source) {
  const std::string path = resolvePicturePath(folder_, source);
  if (path.empty()) return std::nullopt;
  const QString file = fileName(path);
  if (!QFileInfo(file).isFile()) return std::nullopt;
  QImageReader reader(file);
  if (reader.canRead()) {
    QSize size = reader.size();
    if (!size.isValid()) size = reader.read().size();
    if (size.isValid() && !size.isEmpty()) return PictureFacts{path, {size.width(), size.height()}, true};
  }
  QFile f(file);
  if (f.size() > kLargestWbmp || !f.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = f.readAll();
  if (auto size = wbmpSize(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return PictureFacts{path, *size, false};
  return std::nullopt;
}

}  // namespace markloom
