// A fresh main window per test, shown offscreen, and short ways to reach its controls.
#pragma once

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <memory>

#include "TFormKwarcyt.h"

namespace kwarcyt {

// Modal windows are recorded by class name and closed at once, as if cancelled.
class ScriptedDialogs : public Dialogs {
 public:
  explicit ScriptedDialogs(QStringList& shown) : shown_(shown) {}
  int Exec(QDialog& dialog) override {
    shown_ << dialog.metaObject()->className();
    return QDialog::Rejected;
  }
  QMessageBox::StandardButton AskYesNoCancel(QWidget*, const QString&,
                                             const QString& text) override {
    shown_ << text;
    return QMessageBox::Cancel;
  }
  void ShowMessage(QWidget*, const QString& text) override { shown_ << text; }
  QString OpenFileName(QWidget*, const QString& caption, const QString&, const QString&) override {
    shown_ << caption;
    return {};
  }
  QString SaveFileName(QWidget*, const QString& caption, const QString&, const QString&) override {
    shown_ << caption;
    return {};
  }

 private:
  QStringList& shown_;
};

class WindowFixture {
 public:
  void Open() {
    dialogsShown_.clear();
    window_ = std::make_unique<TFormKwarcyt>();
    window_->SetDialogs(std::make_unique<ScriptedDialogs>(dialogsShown_));
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
  QAction* Action(const char* name) { return window_->Action(name); }
  QPlainTextEdit* Memo() { return Child<QPlainTextEdit>("Memo"); }
  QListWidget* List() { return Child<QListWidget>("List"); }
  QString ErrorText() { return Child<QPlainTextEdit>("ListaBledow")->toPlainText(); }
  QString StatusPanel(int i) {
    return LabelText(QStringLiteral("StatusBarPanel%1").arg(i).toLatin1().constData());
  }
  void Type(const QString& program) { Memo()->setPlainText(program); }
  const QStringList& DialogsShown() const { return dialogsShown_; }

 private:
  QStringList dialogsShown_;
  std::unique_ptr<TFormKwarcyt> window_;
};

}  // namespace kwarcyt
