#include "workbench/views/StateViews.h"

#include <QGroupBox>
#include <QSlider>

#include "viewtext/ViewFormats.h"
#include "workbench/session/Session.h"
#include "workbench/views/CellWindowView.h"
#include "workbench/views/FlagsView.h"
#include "workbench/views/MemoryView.h"
#include "workbench/views/RegisterGroup.h"

namespace kwarcyt {

namespace {

void MakeRegisterGroups(StateViews& views, QWidget* parent) {
  views.rejestry8 = new RegisterGroup({"GroupBoxRejestry8",
                                       "Rejestry 8-bitowe:",
                                       {"LabelDec", "LabelHex", "LabelBin"},
                                       15,
                                       {0, 4, 9},
                                       Register8Row,
                                       &FieldNamed("A")},
                                      parent);
  for (const MachineField& field : ByteRegisterFields()) views.rejestry8->AddRow(field);
  views.rejestry16 = new RegisterGroup({"GroupBoxRejestry16",
                                        "Rejestry 16-bitowe:",
                                        {"Label1", "Label2", "Label3"},
                                        29,
                                        {1, 7, 19},
                                        Register16Row},
                                       parent);
  for (const MachineField& field : WordRegisterFields()) views.rejestry16->AddRow(field);
  const QString registerHint = QStringLiteral("Kliknij na wybrany rejestr aby go zmodyfikować");
  views.rejestry8->setToolTip(registerHint);
  views.rejestry16->setToolTip(registerHint);
}

void MakeSpeedTrackBar(StateViews& views, QWidget* parent) {
  views.speedGroup = new QGroupBox(QStringLiteral("Częstotliwość:"), parent);
  views.speedGroup->setObjectName(QStringLiteral("GroupBoxCzestotliwosc"));
  QSlider* slider = views.czestotliwosc = new QSlider(Qt::Horizontal, views.speedGroup);
  slider->setObjectName(QStringLiteral("Czestotliwosc"));
  slider->setAccessibleName(QStringLiteral("Częstotliwość"));
  slider->setRange(RunControl::kSlowestPosition, RunControl::kFastestPosition);
  slider->setValue(RunControl::kStartPosition);
  slider->setTickInterval(1);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setPageStep(1);
  slider->setGeometry(2, 14, 81, 22);
}

void FollowSession(const StateViews& views, Session& session) {
  const MachineState& machine = session.Machine();
  const ChangeMarks& marks = session.Marks();
  QObject::connect(&session, &Session::machineChanged, views.flagi, &FlagsView::PokazFlagi);
  QObject::connect(views.flagi, &FlagsView::setByHand, &session, &Session::MachineSetByHand);
  views.flagi->TrackChanges(marks);
  for (CellWindowView* view :
       {static_cast<CellWindowView*>(views.pamiec), views.portyWej, views.portyWyj}) {
    QObject::connect(&session, &Session::machineChanged, view, &CellWindowView::Pokaz);
    QObject::connect(view, &CellWindowView::setByHand, &session, &Session::MachineSetByHand);
  }
  for (RegisterGroup* group : {views.rejestry8, views.rejestry16}) {
    QObject::connect(&session, &Session::machineChanged, group,
                     [group, &machine] { group->Pokaz(machine); });
    group->TrackChanges(marks);
  }
  views.pamiec->TrackChanges([&](int address) { return marks.CellChanged(address, machine); });
  views.pamiec->TrackRamHlChange([&] { return marks.RamHlChanged(machine); });
  views.portyWej->TrackChanges([&](int port) { return marks.InputPortChanged(port, machine); });
  views.portyWyj->TrackChanges([&](int port) { return marks.OutputPortChanged(port, machine); });
}

}  // namespace

StateViews MakeStateViews(Session& session, QWidget* parent) {
  MachineState& machine = session.Machine();
  StateViews views;
  MakeRegisterGroups(views, parent);
  views.flagi = new FlagsView(machine, parent);
  MakeSpeedTrackBar(views, parent);
  views.pamiec = new MemoryView(machine, parent);
  views.portyWej = MakeInputPortsView(machine, parent);
  views.portyWyj = MakeOutputPortsView(machine, parent);
  FollowSession(views, session);
  return views;
}

}  // namespace kwarcyt
