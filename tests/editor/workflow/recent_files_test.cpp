// The recent files of "Файл": newest first, no repeats, five at most.
#include <gtest/gtest.h>

#include "editor/workflow/recent_files.h"

namespace nastrum {
namespace {

TEST(RecentFiles, NewestFirstWithoutRepeatsAndFiveAtMost) {
  RecentFiles recent;
  for (const char* name : {"/a.bfm", "/b.bfm", "/c.bfm", "/d.bfm", "/e.bfm", "/f.bfm"})
    recent.add(QString::fromLatin1(name));
  EXPECT_EQ(recent.paths(), (QStringList{"/f.bfm", "/e.bfm", "/d.bfm", "/c.bfm", "/b.bfm"}));
  recent.add(QStringLiteral("/d.bfm"));  // opened again: to the top, once
  EXPECT_EQ(recent.paths(), (QStringList{"/d.bfm", "/f.bfm", "/e.bfm", "/c.bfm", "/b.bfm"}));
  recent.add(QStringLiteral("/x/../e.bfm"));  // the same file by another spelling
  EXPECT_EQ(recent.paths().first(), QStringLiteral("/x/../e.bfm"));
  EXPECT_EQ(recent.paths().size(), 5);
  EXPECT_EQ(recent.paths().count(QStringLiteral("/e.bfm")), 0);
}

TEST(RecentFiles, StoredListIsCleanedOnLoad) {
  const RecentFiles recent({"/a.bfm", "", "/b.bfm", "/a.bfm", "/c.bfm", "/d.bfm", "/e.bfm", "/f.bfm"});
  EXPECT_EQ(recent.paths(), (QStringList{"/a.bfm", "/b.bfm", "/c.bfm", "/d.bfm", "/e.bfm"}));
}

TEST(RecentFiles, RemovedFileLeavesTheList) {
  RecentFiles recent({"/a.bfm", "/b.bfm"});
  recent.remove(QStringLiteral("/a.bfm"));
  recent.add(QString());
  EXPECT_EQ(recent.paths(), QStringList{"/b.bfm"});
}

}  // namespace
}  // namespace nastrum
