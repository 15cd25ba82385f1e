#include "workbench/window/Dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>

#include "look/WindowPlacement.h"

namespace kwarcyt {

namespace {

QString ChooseFile(QWidget* parent, const FileDialogInfo& spec, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, spec.caption, QString(), spec.filter);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(spec.defaultSuffix);
  if (QFileInfo(spec.proposed).isDir()) {
    dialog.setDirectory(spec.proposed);
  } else if (!spec.proposed.isEmpty()) {
    dialog.selectFile(spec.proposed);
  }
  OpenAboveDisplays(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

struct Question {
  QMessageBox::Icon icon;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton byDefault;
  QMessageBox::StandardButton onEscape;
};

QMessageBox::StandardButton Ask(QWidget* parent, const Question& question) {
  QMessageBox box(question.icon, question.caption, question.text, question.buttons, parent);
  box.setDefaultButton(question.byDefault);
  box.setEscapeButton(question.onEscape);
  OpenAboveDisplays(box);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

int QtDialogs::Exec(QDialog& dialog) {
  return dialog.exec();
}

QMessageBox::StandardButton QtDialogs::AskYesNoCancel(QWidget* parent, const QString& caption,
                                                      const QString& text) {
  return Ask(parent, {QMessageBox::NoIcon, caption, text,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes,
                      QMessageBox::Cancel});
}

QMessageBox::StandardButton QtDialogs::AskYesNo(QWidget* parent, const QString& caption,
                                                const QString& text) {
  return Ask(parent, {QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No,
                      QMessageBox::No, QMessageBox::No});
}

QMessageBox::StandardButton QtDialogs::Offer(QWidget* parent, const QString& caption,
                                             const QString& text) {
  return Ask(parent, {QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No,
                      QMessageBox::Yes, QMessageBox::No});
}

void QtDialogs::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kwarcyt"), text, QMessageBox::Ok, parent);
  OpenAboveDisplays(box);
  box.exec();
}

void QtDialogs::ShowError(QWidget* parent, const QString& text, const QString& reason) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kwarcyt"), text, QMessageBox::Ok, parent);
  box.setInformativeText(QStringLiteral("Przyczyna: %1.").arg(reason));
  OpenAboveDisplays(box);
  box.exec();
}

QString QtDialogs::OpenFileName(QWidget* parent, const FileDialogInfo& spec) {
  return ChooseFile(parent, spec, QFileDialog::AcceptOpen);
}

QString QtDialogs::SaveFileName(QWidget* parent, const FileDialogInfo& spec) {
  return ChooseFile(parent, spec, QFileDialog::AcceptSave);
}

}  // namespace kwarcyt
