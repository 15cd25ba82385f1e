// The tool window that explains the last executed step in Polish. It only shows a text; the
// main window decides when a new one is due and builds it only while this window is shown.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace kwarcyt {

class TFormObjasnienie : public QWidget {
  Q_OBJECT

 public:
  explicit TFormObjasnienie(QWidget* mainWindow);

  void SetText(const QString& text);

 signals:
  void visibilityChanged(bool visible);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QPlainTextEdit* text_;
};

}  // namespace kwarcyt
