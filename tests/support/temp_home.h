#pragma once
// A fresh program folder for one test: a temporary directory set as
// MARKLOOM_HOME, with a copy of the built Extensions folder when asked.
// Settings go to a private folder under it too, so tests never touch the
// user's own store.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace markloom::test {

class TempHome {
 public:
  explicit TempHome(bool withExtensions = true);
  ~TempHome();
  QString path() const;                         // with trailing '/'
  QString file(const QString& relative) const;  // path() + relative
  void write(const QString& relative, const QByteArray& bytes) const;
  QByteArray read(const QString& relative) const;
  // A line list file (CR LF after every line) as its lines; empty when missing.
  QStringList lines(const QString& relative) const;

 private:
  QTemporaryDir dir_;
  QByteArray oldHome_;
  QByteArray oldConfig_;
  QByteArray oldData_;
  QByteArray oldChannelName_;
};

// Folder of the built programs (markloom, markloom-cli).
QString binDir();
QString sourceDir();

}  // namespace markloom::test
