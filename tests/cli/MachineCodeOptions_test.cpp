// kwarcyt-run --listing, --hex, --org and --cycles: what they print and how they refuse.
#include <gtest/gtest.h>

#include "RunnerProcess.h"

namespace kwarcyt::testing {
namespace {

const QByteArray kProgram = "MVI A,1\nCALL P\nHLT\nP:\nRET\n";

TEST(MachineCodeOptions, PrintTheListingAndHexFromTheOrigin) {
  const RunnerOutcome listing = RunOnFile({"--listing", "--org", "'A'"}, kProgram);
  EXPECT_EQ(listing.exitCode, 0) << listing.err.toStdString();
  EXPECT_TRUE(listing.out.startsWith("0041  3E 01         0  MVI A,1\n0043  CD 47 00      1"))
      << listing.out.toStdString();
  const RunnerOutcome hex = RunOnFile({"--hex", "--org", "1000000000000b"}, kProgram);
  EXPECT_EQ(hex.exitCode, 0);
  EXPECT_EQ(hex.out.toStdString(), ":071000003E01CD061076C988\n:00000001FF\n");
}

TEST(MachineCodeOptions, RefuseProgramsThatFailTheCheckOrDoNotFit) {
  const RunnerOutcome failing = RunOnFile({"--hex"}, "MVI A,300\n");
  EXPECT_EQ(failing.exitCode, 1);
  EXPECT_TRUE(failing.out.isEmpty());
  EXPECT_TRUE(failing.err.contains("0: ")) << failing.err.toStdString();
  const RunnerOutcome tooLong = RunOnFile({"--listing", "--org", "0FFFEh"}, "NOP\nMVI A,1\n");
  EXPECT_EQ(tooLong.exitCode, 1);
  EXPECT_TRUE(tooLong.out.isEmpty());
  EXPECT_TRUE(tooLong.err.contains("FFFFh")) << tooLong.err.toStdString();
}

TEST(MachineCodeOptions, RefuseBadCombinationsAndOrigins) {
  for (const QStringList& arguments :
       {QStringList{"--listing", "--org", "10000h"}, QStringList{"--hex", "--org", "-1"},
        QStringList{"--org", "0"}, QStringList{"--listing", "--hex"},
        QStringList{"--listing", "--trace"}, QStringList{"--hex", "--cycles"}}) {
    const RunnerOutcome run = RunOnFile(arguments, kProgram);
    EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
    EXPECT_TRUE(run.out.isEmpty());
  }
}

TEST(MachineCodeOptions, CyclesFollowEachStepsTrace) {
  const RunnerOutcome run = RunOnFile({"--cycles", "--trace"}, kProgram);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.ErrLines(), (std::vector<std::string>{
                                "0 Wykonano rozkaz: MVI A,1", "0: OF 4 MR 3",
                                "1 Wykonano rozkaz: CALL P", "1: OF 6 MR 3 MR 3 MW 3 MW 3",
                                "4 Wykonano rozkaz: RET", "4: OF 4 MR 3 MR 3", "2: OF 4 HALT 1"}));
  // A failing step shows no cycles.
  EXPECT_EQ(RunOnFile({"--cycles"}, "LXI H,100\nPCHL\n").ErrLines(),
            (std::vector<std::string>{"0: OF 4 MR 3 MR 3"}));
}

}  // namespace
}  // namespace kwarcyt::testing
