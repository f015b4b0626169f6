// The help pages shipped in Help/: every page the start page leads to exists,
// and no link or style sheet of any page points at a missing file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "temp_home.h"

namespace markloom {
namespace {

TEST(HelpPages, EveryLocalLinkLeadsToAShippedFile) {
  const QDir help(test::binDir() + "/Help");
  ASSERT_TRUE(help.exists("index.htm"));
  const QRegularExpression link(R"re((?:href|src)="([^"#:]+)(?:#[^"]*)?")re");
  QSet<QString> reached{"index.htm"};
  QStringList queue{"index.htm"};
  while (!queue.isEmpty()) {
    const QString page = queue.takeFirst();
    QFile f(help.filePath(page));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << page.toStdString();
    const QString text = QString::fromUtf8(f.readAll());
    EXPECT_TRUE(text.startsWith("<!DOCTYPE html>")) << page.toStdString();
    for (auto m = link.globalMatch(text); m.hasNext();) {
      const QString target = m.next().captured(1);
      EXPECT_TRUE(help.exists(target)) << page.toStdString() << " links to missing " << target.toStdString();
      if (target.endsWith(".htm") && help.exists(target) && !reached.contains(target)) {
        reached.insert(target);
        queue << target;
      }
    }
  }
  // Every page shipped is reachable from the start page.
  for (const QString& page : help.entryList({"*.htm"}, QDir::Files))
    EXPECT_TRUE(reached.contains(page)) << page.toStdString() << " is not linked from the contents";
  EXPECT_GE(reached.size(), 6);
}

}  // namespace
}  // namespace markloom
