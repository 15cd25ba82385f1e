// A fresh main window per test, shown offscreen, and short ways to reach its controls.
#pragma once

#include <QAction>
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

class WindowFixture {
 public:
  void Open() {
    window_ = std::make_unique<TFormKwarcyt>();
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

 private:
  std::unique_ptr<TFormKwarcyt> window_;
};

}  // namespace kwarcyt
