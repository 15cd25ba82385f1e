// Znajdź, Zamień and Przejdź do wiersza, on the editor, or on the program list during a run.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QAction;
class QListWidget;
class QPlainTextEdit;

namespace kwarcyt {

class Dialogs;
class EditorArea;
class EditorSearch;
class FindBar;
class ListSearch;

struct SearchCommandActions {
  QAction* find;
  QAction* replace;
  QAction* goToLine;
};

class SearchCommands : public QObject {
  Q_OBJECT

 public:
  // The find bar goes under the editor and the list in `area`; the go-to dialog asks through
  // `dialogs`, which may be replaced later.
  SearchCommands(SearchCommandActions actions, EditorArea& area, QPlainTextEdit& editor,
                 QListWidget& list, std::function<Dialogs&()> dialogs);
  ~SearchCommands() override;

  void ZnajdzExecute() { OpenBar(false); }
  void ZamienExecute() { OpenBar(true); }
  void PrzejdzDoWierszaExecute();

 signals:
  // The editor's caret was moved by a command, not by a key or a click.
  void caretMoved();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool DuringRun() const;
  void OpenBar(bool withReplacement);
  void FollowRunState();

  SearchCommandActions actions_;
  QPlainTextEdit& editor_;
  QListWidget& list_;
  std::function<Dialogs&()> dialogs_;
  std::unique_ptr<EditorSearch> editorSearch_;
  std::unique_ptr<ListSearch> listSearch_;
  FindBar* bar_;
};

}  // namespace kwarcyt
