#include <gtest/gtest.h>

#include "editor/workflow/window_title.h"

using namespace nastrum;

TEST(WindowTitle, NamesTheKindAndThePathWithoutItsExtension) {
  struct Case {
    Word kind;
    TitleSource source;
    const char* expected;
  };
  const Case cases[] = {
      {1, TitleSource::File, "Наструм - ОРВИК минимальный: D:\\DATA\\PLANT"},
      {2, TitleSource::File, "Наструм - ОРВИК расширяемый: D:\\DATA\\PLANT"},
      {3, TitleSource::File, "Наструм - ОРВИК 9: D:\\DATA\\PLANT"},
      {1, TitleSource::DeviceRead, "Наструм - ОРВИК : считанные настройки с ОРВИК минимальный - D:\\DATA\\PLANT"},
      {2, TitleSource::DeviceRead, "Наструм - ОРВИК : считанные настройки с ОРВИК расширяемый - D:\\DATA\\PLANT"},
      {3, TitleSource::DeviceRead, "Наструм - ОРВИК : считанные настройки с ОРВИК 9 - D:\\DATA\\PLANT"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(windowTitle(c.kind, QStringLiteral("D:\\DATA\\PLANT.BFM"), c.source), QString::fromUtf8(c.expected));
  EXPECT_EQ(programTitle(), QStringLiteral("Наструм - ОРВИК"));
}
