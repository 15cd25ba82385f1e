#include "Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>

namespace kwarcyt {

int QtDialogs::Exec(QDialog& dialog) {
  return dialog.exec();
}

QMessageBox::StandardButton QtDialogs::AskYesNoCancel(QWidget* parent, const QString& caption,
                                                      const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, caption, text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Yes);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtDialogs::ShowMessage(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QApplication::applicationName(), text);
}

QString QtDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter) {
  return QFileDialog::getOpenFileName(parent, caption, directory, filter);
}

QString QtDialogs::SaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                                const QString& filter) {
  return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

}  // namespace kwarcyt
