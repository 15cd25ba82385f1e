// A fresh main window per test, shown offscreen, and short ways to reach its controls.
#pragma once

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "workbench/window/TFormKwarcyt.h"

namespace kwarcyt {

// The answers a test gives in advance, and what the window asked. A question without a
// scripted answer is cancelled, and so is a file dialog without a scripted file name.
struct DialogScript {
  QStringList shown;  // class names of modal windows, question texts, messages, dialog captions
  QStringList questionCaptions;
  QStringList reasons;  // the reasons shown below error messages
  QList<QMessageBox::StandardButton> answers;
  QStringList openNames;
  QStringList saveNames;
  QList<FileDialogInfo> fileDialogs;
  // Acts on a modal window of the program in the scripted Exec; none: closed as if cancelled.
  std::function<int(QDialog&)> onExec;
};

class ScriptedDialogs : public Dialogs {
 public:
  explicit ScriptedDialogs(DialogScript& script) : script_(script) {}
  int Exec(QDialog& dialog) override {
    script_.shown << dialog.metaObject()->className();
    return script_.onExec ? script_.onExec(dialog) : int{QDialog::Rejected};
  }
  QMessageBox::StandardButton AskYesNoCancel(QWidget*, const QString& caption,
                                             const QString& text) override {
    script_.shown << text;
    script_.questionCaptions << caption;
    return script_.answers.isEmpty() ? QMessageBox::Cancel : script_.answers.takeFirst();
  }
  QMessageBox::StandardButton AskYesNo(QWidget* parent, const QString& caption,
                                       const QString& text) override {
    const QMessageBox::StandardButton answer = AskYesNoCancel(parent, caption, text);
    return answer == QMessageBox::Yes ? answer : QMessageBox::No;
  }
  QMessageBox::StandardButton Offer(QWidget* parent, const QString& caption,
                                    const QString& text) override {
    return AskYesNo(parent, caption, text);
  }
  void ShowMessage(QWidget*, const QString& text) override { script_.shown << text; }
  void ShowError(QWidget*, const QString& text, const QString& reason) override {
    script_.shown << text;
    script_.reasons << reason;
  }
  QString OpenFileName(QWidget*, const FileDialogInfo& spec) override {
    return Choose(spec, script_.openNames);
  }
  QString SaveFileName(QWidget*, const FileDialogInfo& spec) override {
    return Choose(spec, script_.saveNames);
  }

 private:
  QString Choose(const FileDialogInfo& spec, QStringList& names) {
    script_.shown << spec.caption;
    script_.fileDialogs << spec;
    return names.isEmpty() ? QString() : names.takeFirst();
  }

  DialogScript& script_;
};

class WindowFixture {
 public:
  // Each window keeps its copy of unsaved work in a folder of its own test.
  void Open() {
    recoveryFolder_ = std::make_unique<QTemporaryDir>();
    OpenWindow();
  }
  // A new window, as at the next start, that finds what the last one left for recovery.
  void Reopen() {
    window_.reset();
    OpenWindow();
  }
  void OpenWindow() {
    script_ = DialogScript();
    window_ = std::make_unique<TFormKwarcyt>(nullptr, recoveryFolder_->path());
    window_->SetDialogs(std::make_unique<ScriptedDialogs>(script_));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void Close() { window_.reset(); }

  TFormKwarcyt& Window() { return *window_; }
  MachineState& Machine() { return window_->Machine(); }
  template <typename T = QWidget>
  T* Child(const char* name) {
    T* child = window_->findChild<T*>(QLatin1String(name));
    if (child == nullptr) qFatal("no control named %s", name);
    return child;
  }
  QString LabelText(const char* name) { return Child<QLabel>(name)->text(); }
  // Tests name a command by its object name, as they name every other control.
  QAction* Action(const char* name) { return Child<QAction>(name); }
  QPlainTextEdit* Memo() { return Child<QPlainTextEdit>("Memo"); }
  QListWidget* List() { return Child<QListWidget>("List"); }
  QString ErrorText() { return Child<QPlainTextEdit>("ListaBledow")->toPlainText(); }
  QString StatusPanel(int i) {
    return LabelText(QStringLiteral("StatusBarPanel%1").arg(i).toLatin1().constData());
  }
  void Type(const QString& program) { Memo()->setPlainText(program); }
  // Types at the caret as the user would, so the editor counts the text as modified.
  void TypeByKeys(const QString& text) {
    for (const QChar c : text) {
      if (c == QLatin1Char('\n')) {
        QTest::keyClick(Memo(), Qt::Key_Return);
        continue;
      }
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(Memo(), &press);
      QApplication::sendEvent(Memo(), &release);
    }
  }
  // A run is waited for by its own timer, never for a time, which a loaded build may overrun:
  // until nothing is left waiting, so that what the machine holds then is where the run rests;
  // or until `count` continuations fell due, each going on or finding that it must not.
  bool RunComesToRest() {
    return QTest::qWaitFor([this] { return window_->RunPacing().AtRest(); });
  }
  bool ContinuationsFallDue(int count) {
    QSignalSpy due(&window_->RunPacing(), &RunController::ContinuationHandled);
    return QTest::qWaitFor([&] { return due.count() >= count; });
  }
  bool Modified() { return Memo()->document()->isModified(); }
  const QStringList& DialogsShown() const { return script_.shown; }
  DialogScript& Script() { return script_; }

 private:
  DialogScript script_;
  std::unique_ptr<QTemporaryDir> recoveryFolder_;
  std::unique_ptr<TFormKwarcyt> window_;
};

}  // namespace kwarcyt
