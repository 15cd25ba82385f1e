// The value entry dialog: a title naming the target and its range, an edit field, and a live
// preview of the typed value in decimal, hexadecimal, binary and as a character.
#pragma once

#include "look/WindowPlacement.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TFormPodaj : public kwarcyt::ModalDialog {
  Q_OBJECT

 public:
  explicit TFormPodaj(QWidget* parent = nullptr);

  void SetTitle(const QString& title);
  // The largest value accepted: 255, 65535, or the program counter's limit.
  void SetMaximum(int maximum);
  // Puts the target's current value into the edit field, which fills the preview.
  void SetValue(int value);
  // The value to write back: the last valid value after OK, the value at opening otherwise.
  int Result() const { return result_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;

 private:
  void LiczbaChange();
  void OKClick();

  QLabel* tytul_;
  QLineEdit* liczba_;
  QPushButton* ok_;
  QLabel* r10_;
  QLabel* r16_;
  QLabel* r2_;
  QLabel* rascii_;

  int maximum_ = 255;
  int valueAtOpening_ = 0;
  int lastValid_ = 0;
  int result_ = 0;
};
