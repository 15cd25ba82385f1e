// The two windows that take the program to a real 8085: the machine code listing of the program
// in the editor, and the machine cycles of the last executed step with their timing diagram.
// They are made on their first showing and cost nothing while hidden; the main window tells
// this object when the machine was shown, and it follows the editor by itself.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/MachineCode.h"

class QAction;
class QPlainTextEdit;
class QWidget;

namespace kwarcyt {

class Dialogs;
class RunControl;
class TFormCykleMaszynowe;
class TFormKodMaszynowy;
struct FileDialogInfo;
struct MachineState;

// What the windows read from the main window.
struct MachineCodeHost {
  QWidget* mainWindow;
  // The program's editor: the listing follows its text and its caret; hidden during a run,
  // when the listing follows PC instead.
  QPlainTextEdit* editor;
  const MachineState* machine;
  const RunControl* run;
  std::function<std::vector<std::string>()> programLines;
  std::function<Dialogs&()> dialogs;
  // The path the save dialogs propose, with the program's name; told of every file saved, so
  // that the next dialog starts in its folder.
  std::function<QString()> programPath;
  std::function<void(const QString& path)> fileSaved;
  // Keeps a window's place between runs.
  std::function<void(const QString& key, QWidget* window)> rememberPlace;
};

class MachineCodeWindows : public QObject {
  Q_OBJECT

 public:
  MachineCodeWindows(MachineCodeHost host, QAction* listingCommand, QAction* cyclesCommand,
                     QObject* parent);

  // Where the listing, the HEX file and the cycles' addresses begin: 0..FFFFh.
  int Origin() const { return origin_; }
  void SetOrigin(int origin);
  // The views were redrawn from the machine: after steps, a step back, a pause, the end of a
  // run or a reset. A run at the top speed shows its cycles only once it pauses or ends.
  void MachineShown();

 private:
  void ToggleListing();
  void ToggleCycles();
  bool ListingShown() const;
  bool CyclesShown() const;
  void ProgramEdited();
  void ShowListing();
  void HighlightCurrentLine();
  void ShowCycles();
  void OriginEdited(const QString& text);
  void SaveHex();
  void SaveDiagram();
  // Asks for a file name and writes the whole file there, or nothing at all; a failure is shown.
  void SaveFile(QWidget* parent, const FileDialogInfo& dialog,
                const std::function<bool(QIODevice&)>& write);
  QString ProposedName(const QString& suffix) const;

  MachineCodeHost host_;
  QAction* listingCommand_;
  QAction* cyclesCommand_;
  int origin_ = 0;
  // Coalesces the edits of a burst of typing into one new listing.
  QTimer listingDue_;
  bool listingStale_ = true;
  // The code of the listing shown; none while the program fails the check or does not fit.
  std::optional<MachineCode> code_;
  TFormKodMaszynowy* listing_ = nullptr;
  TFormCykleMaszynowe* cycles_ = nullptr;
};

}  // namespace kwarcyt
