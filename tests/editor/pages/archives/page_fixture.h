// A workspace of a chosen device kind with an archive page on it, answered
// by a scripted presenter.
#pragma once

#include <gtest/gtest.h>

#include "editor/pages/archives/archive_page.h"
#include "support/fresh_image.h"
#include "support/scripted_presenter.h"

namespace nastrum::test {

using F = ArchiveFamily;
using G = ArchiveGroup;
using S = ArchiveState;

class ArchivePageTest : public ::testing::Test {
 protected:
  void useKind(Word kind) { ws.image = ::nastrum::testing::freshImage(kind); }
  void put(F f, int n, Word desc, Word pos = 0, Word neg = 0) { setArchiveWords(ws.image, f, n, {desc, pos, neg}); }
  Word desc(F f, int n) const { return archiveWords(ws.image, f, n).desc; }
  // Shows archive n of the family and makes it a continuation of `head`.
  void continueHead(F f, int n, int head) {
    page.select(groupOf(f), n);
    page.chooseState(f, S::Continuation);
    page.chooseHead(f, head);
  }

  Workspace ws = ::nastrum::testing::freshWorkspace(2);
  ScriptedPresenter boxes;
  ArchivePage page{ws, boxes};
};

}  // namespace nastrum::test
