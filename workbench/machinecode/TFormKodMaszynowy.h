// The window with the machine code listing of the program in the editor. It only shows what it
// is given and reports what the user asks for; MachineCodeWindows lays the code out.
#pragma once

#include "workbench/views/ToolWindow.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kwarcyt {

class TFormKodMaszynowy : public ToolWindow {
  Q_OBJECT

 public:
  explicit TFormKodMaszynowy(QWidget* mainWindow);
  ~TFormKodMaszynowy() override;

  // The first `rows` rows stand for the program lines, the notes follow; HEX can be saved.
  void ShowListing(const QString& text, int rows);
  // In place of a listing: why there is none. Nothing can be saved then.
  void ShowProblem(const QString& text);
  // Marks the row of a program line; a line outside the listing marks none.
  void HighlightLine(int line);
  void SetOriginText(const QString& text);
  // Below the listing: what was wrong with a typed origin; empty to clear.
  void SetNote(const QString& text);

 signals:
  void originEdited(const QString& text);
  void saveHexRequested();

 private:
  void ShowText(const QString& text, int rows);

  QLineEdit* origin_;
  QPushButton* saveHex_;
  QPlainTextEdit* listing_;
  QLabel* note_;
  int rowCount_ = 0;
  int highlighted_ = -1;
};

}  // namespace kwarcyt
