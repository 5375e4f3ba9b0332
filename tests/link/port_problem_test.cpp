// Why a port could not be opened: told from the device file's state.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "link/port_problem.h"

namespace nastrum {
namespace {

TEST(PortProblem, ClassifiedFromTheFilesState) {
  EXPECT_EQ(ClassifyPortProblem(false, false), PortProblem::Missing);
  EXPECT_EQ(ClassifyPortProblem(true, false), PortProblem::NoPermission);
  EXPECT_EQ(ClassifyPortProblem(true, true), PortProblem::Busy);
}

TEST(PortProblem, EveryKnownProblemIsToldAndThePermissionOneNamesDialout) {
  for (const PortProblem p : {PortProblem::Missing, PortProblem::NoPermission, PortProblem::Busy})
    EXPECT_FALSE(PortProblemText(p).isEmpty());
  EXPECT_TRUE(PortProblemText(PortProblem::NoPermission).contains(QStringLiteral("dialout")));
  EXPECT_TRUE(PortProblemText(PortProblem::Unknown).isEmpty());
}

#ifndef Q_OS_WIN
TEST(PortProblem, DiagnosedFromThePath) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString present = dir.filePath(QStringLiteral("ttyFake"));
  QFile file(present);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_EQ(DiagnosePortProblem(dir.filePath(QStringLiteral("ttyNone"))), PortProblem::Missing);
  EXPECT_EQ(DiagnosePortProblem(present), PortProblem::Busy);
  // A name that is not a device path cannot be looked at.
  EXPECT_EQ(DiagnosePortProblem(QStringLiteral("COM3")), PortProblem::Unknown);
}
#endif

}  // namespace
}  // namespace nastrum
