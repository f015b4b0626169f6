#pragma once
// Whole files as bytes, for tests that set up and check folders.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace markloom::test {

// Writes bytes to path, making its folder first; a failure fails the test.
inline void writeBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
  f.write(bytes);
}

// The file's bytes; empty when it cannot be read.
inline QByteArray readBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace markloom::test
