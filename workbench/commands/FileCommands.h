// The file commands: New, Open, Import, Save and Save As with the save question that guards
// unsaved work, the question before replacing a file another program changed, the offer of
// recovered work, the files last opened and files dropped on the window. The session keeps the
// facts; these ask the questions, through the dialogs the window uses.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QDropEvent;
class QWidget;

namespace kwarcyt {

class Dialogs;
class RecentFiles;
class Session;

class FileCommands : public QObject {
  Q_OBJECT

 public:
  // window: the parent and caption of the questions. recentAction carries the submenu of the
  // files last opened; it and a drop follow openAction's state.
  FileCommands(Session& session, QWidget& window, std::function<Dialogs&()> dialogs,
               QAction* recentAction, QAction* openAction);

  void New();
  void Open();
  void Import();
  // Save and Save As return whether the program was written.
  bool Save();
  bool SaveAs();
  // Opens the named file as Open does once its dialog is answered, the save question first.
  void OpenFile(const QString& path);
  void OfferRecovery();
  // The save question of New, Open, Exit and the close: true when the command may go on, that
  // is after No, or after Yes once the program is safely written.
  bool SaveQuestionAllows();
  // Handles a drag or a drop that carries a file, while Open is available; false for anything
  // else.
  bool TakeFileDrop(QDropEvent& event);

  // The folder the file dialogs start in, and the files last opened, kept between runs.
  const QString& LastFolder() const { return lastFolder_; }
  void SetLastFolder(const QString& folder) { lastFolder_ = folder; }
  RecentFiles& Recent() { return *recent_; }
  // The name proposed in the folder the file dialogs start in.
  QString InLastFolder(const QString& name) const;

 private:
  void LoadFile(const QString& path);
  // The converted file replaces the program as new, unsaved work.
  void ImportFile(const QString& path);
  bool WriteProgram(const QString& path);
  // Save would replace a file that another program changed since it was read or written here:
  // true when it may, that is when the file is unchanged or the user agrees to replace it.
  bool OverwriteAllows();
  void OpenRecentFile(const QString& path);
  QString DraggedFile(const QDropEvent& event) const;

  Session& session_;
  QWidget& window_;
  std::function<Dialogs&()> dialogs_;
  QAction* openAction_;
  RecentFiles* recent_;
  QString lastOpened_;
  QString lastImported_;
  QString lastFolder_;
};

}  // namespace kwarcyt
