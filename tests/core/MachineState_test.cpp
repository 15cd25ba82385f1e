#include "core/MachineState.h"

#include <gtest/gtest.h>

#include <memory>

#include "core/MachineFields.h"

namespace kwarcyt {
namespace {

TEST(MachineStatePairTest, WritesHighAndLowRegisterAndReadsThemBack) {
  MachineState m;
  m.setBC(0x1234);
  m.setDE(0xFFFF);
  m.setHL(0x00FF);
  EXPECT_EQ(m.B, 0x12);
  EXPECT_EQ(m.C, 0x34);
  EXPECT_EQ(m.BC(), 0x1234);
  EXPECT_EQ(m.D, 0xFF);
  EXPECT_EQ(m.E, 0xFF);
  EXPECT_EQ(m.DE(), 0xFFFF);
  EXPECT_EQ(m.H, 0x00);
  EXPECT_EQ(m.L, 0xFF);
  EXPECT_EQ(m.HL(), 0x00FF);
}

// --set finds a row by its name, and the views and value entry write through the row they show.
TEST(MachineFieldsTest, EachNameFindsItsRowAndTheRowReadsBackWhatItWrote) {
  for (const MachineField& field : kMachineFields) {
    SCOPED_TRACE(field.name);
    EXPECT_EQ(FindField(field.name), &field);
    auto m = std::make_unique<MachineState>();
    const int value = field.Maximum(1000);
    field.write(*m, value);
    EXPECT_EQ(field.read(*m), value);
  }
}

std::unique_ptr<MachineState> FilledMachine() {
  auto m = std::make_unique<MachineState>();
  m->A = 1, m->B = 2, m->C = 3, m->D = 4, m->E = 5, m->H = 6, m->L = 7, m->PC = 8, m->SP = 9;
  m->S = m->Z = m->AC = m->P = m->CY = 1;
  m->Memory.fill(0xAA);
  m->InputPorts.fill(0xBB);
  m->OutputPorts.fill(0xCC);
  m->ProgramChecked = m->Running = m->StopRequested = true;
  m->DelayCount = 256;
  m->LabelTable.Add("PETLA", 3);
  return m;
}

TEST(MachineStateClearTest, EachOperationClearsOnlyItsGroup) {
  auto m = FilledMachine();
  m->WyczyscFlagi();
  EXPECT_EQ(m->S + m->Z + m->AC + m->P + m->CY, 0);
  EXPECT_EQ(m->A, 1);
  EXPECT_EQ(m->Memory[0], 0xAA);

  m = FilledMachine();
  m->WyczyscRejestry();
  EXPECT_EQ(m->A + m->B + m->C + m->D + m->E + m->H + m->L + m->PC + m->SP, 0);
  EXPECT_EQ(m->CY, 1);

  m = FilledMachine();
  m->WyczyscPamiec();
  EXPECT_EQ(m->Memory[0], 0);
  EXPECT_EQ(m->Memory[0xFFFF], 0);
  EXPECT_EQ(m->InputPorts[0], 0xBB);

  m = FilledMachine();
  m->WyczyscPortyWej();
  EXPECT_EQ(m->InputPorts[255], 0);
  EXPECT_EQ(m->OutputPorts[255], 0xCC);

  m = FilledMachine();
  m->WyczyscPortyWyj();
  EXPECT_EQ(m->OutputPorts[255], 0);
  EXPECT_EQ(m->InputPorts[255], 0xBB);
}

TEST(MachineStateResetTest, ZeroesTheMachineAndKeepsLabelsDelayAndStopRequest) {
  auto m = FilledMachine();
  m->ResetMachine();
  const MachineState zero;
  EXPECT_EQ(m->A + m->B + m->C + m->D + m->E + m->H + m->L + m->PC + m->SP, 0);
  EXPECT_EQ(m->S + m->Z + m->AC + m->P + m->CY, 0);
  EXPECT_TRUE(m->Memory == zero.Memory);
  EXPECT_TRUE(m->InputPorts == zero.InputPorts);
  EXPECT_TRUE(m->OutputPorts == zero.OutputPorts);
  EXPECT_FALSE(m->ProgramChecked);
  EXPECT_FALSE(m->Running);
  EXPECT_TRUE(m->StopRequested);
  EXPECT_EQ(m->DelayCount, 256);
  EXPECT_EQ(m->LabelTable.FindLabel("PETLA"), 3);
}

}  // namespace
}  // namespace kwarcyt
