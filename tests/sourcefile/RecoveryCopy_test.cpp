#include "sourcefile/RecoveryCopy.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace kwarcyt {
namespace {

RecoveredProgram ProgramOf(const QString& text, const QString& fileName, int minutesAgo) {
  return {text.split('\n'), fileName, true, TextEncoding::Windows1250,
          QDateTime::currentDateTime().addSecs(-60 * minutesAgo)};
}

// A running window's copy is its own; the copies of windows that ended are offered, newest
// first, once: a discarded or removed copy is gone, and one that is claimed is not offered twice.
TEST(RecoveryCopyTest, CopiesOfEndedWindowsAreOfferedOnce) {
  QTemporaryDir folder;
  auto older = std::make_unique<RecoveryCopy>(folder.path());
  auto newer = std::make_unique<RecoveryCopy>(folder.path());
  auto saved = std::make_unique<RecoveryCopy>(folder.path());
  ASSERT_TRUE(older->Write(ProgramOf("NOP\nHLT", "/prace/stary.txt", 5)));
  ASSERT_TRUE(newer->Write(ProgramOf("MVI A,1", "/prace/nowy.txt", 1)));
  ASSERT_TRUE(saved->Write(ProgramOf("HLT", "/prace/zapisany.txt", 0)));
  saved->Remove();

  const RecoveryCopy starting(folder.path());
  EXPECT_TRUE(starting.LeftBehind().empty());

  older.reset();
  newer.reset();
  saved.reset();
  std::vector<LeftCopy> left = starting.LeftBehind();
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(left[0].program.fileName, "/prace/nowy.txt");
  EXPECT_EQ(left[1].program.lines, QStringList({"NOP", "HLT"}));
  EXPECT_TRUE(left[1].program.hasFileName);
  EXPECT_EQ(left[1].program.encoding, TextEncoding::Windows1250);

  const RecoveryCopy alsoStarting(folder.path());
  EXPECT_TRUE(alsoStarting.LeftBehind().empty());

  RecoveryCopy::Discard(left[0]);
  left.clear();
  const std::vector<LeftCopy> remaining = alsoStarting.LeftBehind();
  ASSERT_EQ(remaining.size(), 1u);
  EXPECT_EQ(remaining[0].program.fileName, "/prace/stary.txt");
}

}  // namespace
}  // namespace kwarcyt
