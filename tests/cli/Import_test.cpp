// kwarcyt-run --import on the textbook-style programs of tests/sourceimport/programs.
#include <gtest/gtest.h>

#include <QDir>

#include "RunnerProcess.h"

namespace kwarcyt::testing {
namespace {

const QDir kPrograms(QStringLiteral(KWARCYT_IMPORT_PROGRAMS));

TEST(Import, SortingProgramConvertsAndRunsToSortedBytes) {
  const RunnerOutcome imported = RunWithArguments({"--import", kPrograms.filePath("sort.asm")});
  EXPECT_EQ(imported.exitCode, 0);
  EXPECT_TRUE(imported.out.contains("\nnoswap:\ndcr b\n")) << imported.out.toStdString();
  ASSERT_EQ(imported.ErrLines().size(), 3u);
  for (const std::string& note : imported.ErrLines()) EXPECT_TRUE(note.starts_with("Import: "));

  const RunnerOutcome run = RunOnFile({"--json", "--dump", "3000h:8"}, imported.out);
  EXPECT_EQ(run.End(), "hlt");
  EXPECT_EQ(run.Dump(0), (std::vector<int>{1, 7, 15, 30, 0x42, 99, 0xA3, 0xFA}));
}

// Every program of the set passes the check after import and runs to HLT. The one written for a
// lab kit's monitor reports an incomplete conversion: its call of a monitor routine is kept as
// a comment and its return to the monitor (RST 1) became HLT.
TEST(Import, TextbookProgramsPassTheCheckAndHalt) {
  const QStringList files = kPrograms.entryList({"*.asm"}, QDir::Files);
  ASSERT_GE(files.size(), 20);
  for (const QString& file : files) {
    const bool convertible = file != "monitor_exit.asm";
    const RunnerOutcome imported = RunWithArguments({"--import", kPrograms.filePath(file)});
    EXPECT_EQ(imported.exitCode, convertible ? 0 : 1) << file.toStdString();
    const RunnerOutcome run = RunOnFile({"--json"}, imported.out);
    EXPECT_EQ(run.End(), "hlt") << file.toStdString();
  }
}

TEST(Import, StandsAloneAndRefusesBadFiles) {
  const RunnerOutcome combined =
      RunWithArguments({"--import", kPrograms.filePath("sort.asm"), "--json"});
  EXPECT_EQ(combined.exitCode, 2);
  EXPECT_TRUE(combined.out.isEmpty());
  const RunnerOutcome missing = RunWithArguments({"--import", kPrograms.filePath("brak.asm")});
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_TRUE(missing.err.startsWith("kwarcyt-run: nie można odczytać pliku"))
      << missing.err.data();
}

}  // namespace
}  // namespace kwarcyt::testing
