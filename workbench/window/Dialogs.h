// Every modal question, message and file dialog of the main window goes through this interface,
// so that tests can answer them from a script instead of a person.
#pragma once

#include <QMessageBox>
#include <QString>

class QDialog;
class QWidget;

namespace kwarcyt {

// What a file dialog shows: its title, the name it starts with (a bare name or a whole path),
// its one filter and the extension added to a name typed without one.
struct FileDialogInfo {
  QString caption;
  QString proposed;
  QString filter;
  QString defaultSuffix;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // Shows one of the program's own windows modally and returns its result code.
  virtual int Exec(QDialog& dialog) = 0;
  // A Yes/No/Cancel question without icon, Yes the default.
  virtual QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& caption,
                                                     const QString& text) = 0;
  // A Yes/No question with a warning icon, No the default: for a step that cannot be undone.
  virtual QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& caption,
                                               const QString& text) = 0;
  // A Yes/No question without icon, Yes the default: an offer the user may take or leave.
  virtual QMessageBox::StandardButton Offer(QWidget* parent, const QString& caption,
                                            const QString& text) = 0;
  // A simple message with an OK button, captioned with the program's name.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // The same, with the reason of a failure below the message.
  virtual void ShowError(QWidget* parent, const QString& text, const QString& reason) = 0;
  // The chosen file, or an empty text when the dialog was cancelled. Opening accepts only an
  // existing file; saving asks before it replaces one.
  virtual QString OpenFileName(QWidget* parent, const FileDialogInfo& spec) = 0;
  virtual QString SaveFileName(QWidget* parent, const FileDialogInfo& spec) = 0;
};

// The real dialogs of the desktop: Qt's own file dialogs, the same on every desktop.
class QtDialogs : public Dialogs {
 public:
  int Exec(QDialog& dialog) override;
  QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& caption,
                                             const QString& text) override;
  QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& caption,
                                       const QString& text) override;
  QMessageBox::StandardButton Offer(QWidget* parent, const QString& caption,
                                    const QString& text) override;
  void ShowMessage(QWidget* parent, const QString& text) override;
  void ShowError(QWidget* parent, const QString& text, const QString& reason) override;
  QString OpenFileName(QWidget* parent, const FileDialogInfo& spec) override;
  QString SaveFileName(QWidget* parent, const FileDialogInfo& spec) override;
};

}  // namespace kwarcyt
