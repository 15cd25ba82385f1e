// The display settings dialog: for each display the memory address it shows and its refresh
// rate, for the graphic displays the pixel outline. Only Zatwierdź changes the settings; Esc and
// the close button leave them as they were.
#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QTabWidget>

#include "ColumnRadioGroup.h"
#include "DisplaySettings.h"
#include "look/WindowPlacement.h"

namespace kwarcyt {

class TFormUstawieniaWyswietlaczy : public ModalDialog {
  Q_OBJECT

 public:
  TFormUstawieniaWyswietlaczy(DisplaySettings& settings, QWidget* parent);

  QTabWidget* PageControlUstawienia;
  ColumnRadioGroup* RadioGroupAlfa;
  ColumnRadioGroup* RadioGroupAlfaKlatki;
  ColumnRadioGroup* RadioGroupMono;
  ColumnRadioGroup* RadioGroupMonoKlatki;
  QCheckBox* CheckBoxMono;
  ColumnRadioGroup* RadioGroupSzary;
  ColumnRadioGroup* RadioGroupSzaryKlatki;
  QCheckBox* CheckBoxSzary;
  QPushButton* Zatwierdz;

 public slots:
  void ZatwierdzClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void LoadControls(const DisplaySettings& values);
  void AddPage(const QString& caption, const QString& name, ColumnRadioGroup*& address,
               ColumnRadioGroup*& rate, QCheckBox** border);

  DisplaySettings& settings_;
};

}  // namespace kwarcyt
