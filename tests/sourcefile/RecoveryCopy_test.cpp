#include "sourcefile/RecoveryCopy.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

// Only regular files are read: a link to a device or a pipe, a pipe, or a pipe in a lock's place
// is passed over at once. A copy from before copies kept their file's stamp is still offered.
TEST(RecoveryCopyTest, OnlyRegularCopiesAreRead) {
  QTemporaryDir folder;
  const auto at = [&folder](const char* name) { return QFile::encodeName(folder.filePath(name)); };
  ASSERT_EQ(::symlink("/dev/zero", at("zero.kopia")) | ::mkfifo(at("pipe.kopia"), 0600) |
                ::symlink(at("pipe.kopia"), at("link.kopia")) | ::mkfifo(at("locked.lock"), 0600),
            0);
  for (const char* name : {"locked.kopia", "old.kopia"}) {
    QFile copy(at(name));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(R"({"text":"HLT","file":"/prace/stary.txt","named":true})");
  }
  const std::vector<LeftCopy> left = RecoveryCopy(folder.path()).LeftBehind();
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(left[0].program.lines, QStringList({"HLT"}));
  EXPECT_EQ(left[0].program.diskStamp, std::nullopt);
}

}  // namespace
}  // namespace kwarcyt
