#include "MachineCodeWindows.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTextBlock>
#include <memory>

#include "TFormCykleMaszynowe.h"
#include "TFormKodMaszynowy.h"
#include "checker/Mojefunkcje.h"
#include "checker/ProgramCheck.h"
#include "core/MachineCycles.h"
#include "core/RunControl.h"
#include "core/StepExplanation.h"
#include "workbench/window/Dialogs.h"

namespace kwarcyt {

namespace {

constexpr int kHighestAddress = kAddressSpace - 1;
// Long enough to take a burst of keystrokes together, short enough to feel immediate.
constexpr int kListingDelayMs = 150;

// As the program text would write it: a leading 0 before a letter digit.
QString AddressText(int address) {
  const QString digits = QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
  return (digits.front().isLetter() ? QStringLiteral("0") : QString()) + digits + QLatin1Char('h');
}

QString StepCaption(const Program& program, const StepCycles& step) {
  if (step.cycles.empty()) {
    return QStringLiteral("Wiersz %1 nie zawiera rozkazu: brak cykli maszynowych.").arg(step.line);
  }
  return QStringLiteral("Wiersz %1: %2    takty: %3")
      .arg(step.line)
      .arg(QString::fromStdString(program.InstructionText(step.line)))
      .arg(step.ClockStates());
}

}  // namespace

MachineCodeWindows::MachineCodeWindows(MachineCodeHost host, QAction* listingCommand,
                                       QAction* cyclesCommand, QObject* parent)
    : QObject(parent),
      host_(std::move(host)),
      listingCommand_(listingCommand),
      cyclesCommand_(cyclesCommand) {
  listingDue_.setSingleShot(true);
  listingDue_.setInterval(kListingDelayMs);
  connect(&listingDue_, &QTimer::timeout, this, &MachineCodeWindows::ShowListing);
  connect(listingCommand_, &QAction::triggered, this, &MachineCodeWindows::ToggleListing);
  connect(cyclesCommand_, &QAction::triggered, this, &MachineCodeWindows::ToggleCycles);
  connect(host_.editor, &QPlainTextEdit::textChanged, this, &MachineCodeWindows::ProgramEdited);
  connect(host_.editor, &QPlainTextEdit::cursorPositionChanged, this,
          &MachineCodeWindows::HighlightCurrentLine);
}

bool MachineCodeWindows::ListingShown() const {
  return listing_ != nullptr && listing_->isVisible();
}

bool MachineCodeWindows::CyclesShown() const {
  return cycles_ != nullptr && cycles_->isVisible();
}

void MachineCodeWindows::ToggleListing() {
  if (listing_ == nullptr) {
    listing_ = new TFormKodMaszynowy(host_.mainWindow);
    listing_->SetOriginText(AddressText(origin_));
    connect(listing_, &ToolWindow::visibilityChanged, listingCommand_, &QAction::setChecked);
    connect(listing_, &TFormKodMaszynowy::originEdited, this, &MachineCodeWindows::OriginEdited);
    connect(listing_, &TFormKodMaszynowy::saveHexRequested, this, &MachineCodeWindows::SaveHex);
    host_.rememberPlace(QStringLiteral("machineCode"), listing_);
  }
  listing_->setVisible(!listing_->isVisible());
  listingCommand_->setChecked(listing_->isVisible());
  if (listing_->isVisible() && listingStale_) ShowListing();
  HighlightCurrentLine();
}

void MachineCodeWindows::ToggleCycles() {
  if (cycles_ == nullptr) {
    cycles_ = new TFormCykleMaszynowe(host_.mainWindow);
    connect(cycles_, &ToolWindow::visibilityChanged, cyclesCommand_, &QAction::setChecked);
    connect(cycles_, &TFormCykleMaszynowe::saveImageRequested, this,
            &MachineCodeWindows::SaveDiagram);
    host_.rememberPlace(QStringLiteral("machineCycles"), cycles_);
  }
  cycles_->setVisible(!cycles_->isVisible());
  cyclesCommand_->setChecked(cycles_->isVisible());
  ShowCycles();
}

void MachineCodeWindows::SetOrigin(int origin) {
  origin_ = origin & kHighestAddress;
  if (listing_ != nullptr) listing_->SetOriginText(AddressText(origin_));
  listingStale_ = true;
  if (ListingShown()) ShowListing();
  ShowCycles();
}

void MachineCodeWindows::OriginEdited(const QString& text) {
  const int origin = ParseNumber(text.trimmed().toStdString(), kHighestAddress);
  if (origin < 0) {
    listing_->SetNote(
        QStringLiteral("„%1” nie jest liczbą z zakresu 0..%2").arg(text).arg(kHighestAddress));
    listing_->SetOriginText(AddressText(origin_));
    return;
  }
  listing_->SetNote({});
  if (origin != origin_) SetOrigin(origin);
}

void MachineCodeWindows::ProgramEdited() {
  listingStale_ = true;
  if (ListingShown()) listingDue_.start();
  // The edit took the history of steps away.
  ShowCycles();
}

void MachineCodeWindows::ShowListing() {
  listingDue_.stop();
  listingStale_ = false;
  code_.reset();
  const std::vector<std::string> lines = host_.programLines();
  LabelTable labels;
  ErrorList errors;
  bool checked = false;
  Kompiluj(lines, labels, errors, checked);
  if (!checked) {
    QString text = QStringLiteral("Program zawiera błędy");
    if (!errors.empty()) text += QLatin1Char('\n') + QString::fromStdString(errors.front());
    listing_->ShowProblem(text);
    return;
  }
  const Program program(lines, labels);
  MachineCode code(program, origin_);
  if (!code.Fits()) {
    listing_->ShowProblem(QString::fromStdString(code.TooLongMessage()));
    return;
  }
  listing_->ShowListing(QString::fromStdString(ListingText(program, code)), program.LineCount());
  code_ = std::move(code);
  HighlightCurrentLine();
}

void MachineCodeWindows::HighlightCurrentLine() {
  if (!ListingShown()) return;
  // The editor gives way to the program list during a run.
  const bool editing = host_.editor->isVisibleTo(host_.mainWindow);
  listing_->HighlightLine(editing ? host_.editor->textCursor().blockNumber() : host_.machine->PC);
}

void MachineCodeWindows::MachineShown() {
  HighlightCurrentLine();
  ShowCycles();
}

void MachineCodeWindows::ShowCycles() {
  if (!CyclesShown()) return;
  const RunControl& run = *host_.run;
  const MachineState& machine = *host_.machine;
  // Rebuilding the state before the last step may execute many steps again: too much for
  // every frame of a run at the top speed.
  if (run.ContinuousRunActive() && machine.DelayCount <= 1) return;
  auto before = std::make_unique<MachineState>(machine);
  if (!run.History().StateBeforeLastStep(*before)) {
    cycles_->ShowStep(QString::fromStdString(NoStepToExplain(run.HistoryStartsAtHandEdit())), {});
    return;
  }
  const Program& program = run.CurrentProgram();
  const StepCycles step =
      StepCyclesBetween(*before, machine, program, MachineCode(program, origin_));
  cycles_->ShowStep(StepCaption(program, step), step.cycles);
}

QString MachineCodeWindows::ProposedName(const QString& suffix) const {
  const QFileInfo program(host_.programPath());
  const QString name = program.completeBaseName() + QLatin1Char('.') + suffix;
  // A program never saved proposes a bare name, which the dialog opens in its own folder.
  return program.path() == QStringLiteral(".") ? name : program.dir().filePath(name);
}

void MachineCodeWindows::SaveHex() {
  if (!code_) return;
  const QByteArray hex = QByteArray::fromStdString(IntelHex(*code_));
  SaveFile(listing_,
           {QStringLiteral("Kwarcyt - Zapisz kod maszynowy"), ProposedName(QStringLiteral("hex")),
            QStringLiteral("Intel HEX (*.hex)"), QStringLiteral("hex")},
           [&hex](QIODevice& file) { return file.write(hex) == hex.size(); });
}

void MachineCodeWindows::SaveDiagram() {
  const QImage image = cycles_->DiagramImage();
  SaveFile(
      cycles_,
      {QStringLiteral("Kwarcyt - Zapisz przebiegi czasowe"), ProposedName(QStringLiteral("png")),
       QStringLiteral("Obrazy PNG (*.png)"), QStringLiteral("png")},
      [&image](QIODevice& file) { return image.save(&file, "PNG"); });
}

void MachineCodeWindows::SaveFile(QWidget* parent, const FileDialogInfo& dialog,
                                  const std::function<bool(QIODevice&)>& write) {
  Dialogs& dialogs = host_.dialogs();
  const QString path = dialogs.SaveFileName(parent, dialog);
  if (path.isEmpty()) return;
  host_.fileSaved(path);
  // Until the commit the old file stays whole; a failed write leaves it as it was. Unbuffered,
  // so that a full disk fails the write itself: a buffered QSaveFile may commit an empty file.
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && write(file) && file.commit()) {
    return;
  }
  const QString reason = file.errorString();
  dialogs.ShowError(parent, QStringLiteral("Wystąpił błąd podczas próby zapisania pliku"),
                    reason.isEmpty() ? QStringLiteral("nieznany błąd zapisu") : reason);
}

}  // namespace kwarcyt
