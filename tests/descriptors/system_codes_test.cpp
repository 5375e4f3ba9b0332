// Battery control outputs: the modules and contacts of each kind, and the
// output number they make.
#include <gtest/gtest.h>

#include "descriptors/system_codes.h"

namespace nastrum {
namespace {

TEST(BatteryOutputs, ModulesAndContactsOfEachKind) {
  struct Case {
    Word kind;
    qsizetype modules;
    const char* lastModule;
    qsizetype contacts;
    const char* firstContact;
  };
  for (const Case& c : {Case{2, 8, "МВВ8", 8, "+3    -12"}, Case{3, 16, "МВ16", 4, "+3    -4"}}) {
    const QStringList modules = system_codes::batteryModules(c.kind);
    const QStringList contacts = system_codes::batteryContacts(c.kind);
    EXPECT_EQ(modules.size(), c.modules) << c.kind;
    EXPECT_EQ(modules.last(), QString::fromUtf8(c.lastModule)) << c.kind;
    EXPECT_EQ(contacts.size(), c.contacts) << c.kind;
    EXPECT_EQ(contacts.first(), QString::fromUtf8(c.firstContact)) << c.kind;
  }
}

TEST(BatteryOutputs, OutputNumberAndPlaceGoBothWays) {
  for (Word kind : {Word{2}, Word{3}}) {
    const int modules = static_cast<int>(system_codes::batteryModules(kind).size());
    const int contacts = static_cast<int>(system_codes::batteryContacts(kind).size());
    const int last = system_codes::batteryOutput(kind, modules - 1, contacts - 1);
    EXPECT_EQ(last, 63) << kind;  // both kinds address outputs 0..63
    for (int output : {0, 5, 37, 63})
      if (const auto place = system_codes::batteryPlace(kind, output))
        EXPECT_EQ(system_codes::batteryOutput(kind, place->first, place->second), output) << kind;
      else
        ADD_FAILURE() << kind << " " << output;
    EXPECT_FALSE(system_codes::batteryPlace(kind, 64)) << kind;
    EXPECT_FALSE(system_codes::batteryPlace(kind, -1)) << kind;
  }
}

}  // namespace
}  // namespace nastrum
