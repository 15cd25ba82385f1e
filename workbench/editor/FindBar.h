// The bar under the editor (or the program list during a run) of Znajdź and Zamień: Enter finds
// the next match, Shift+Enter the previous one, Esc closes it. Replacing works on the editor
// only, never on the list of a run.
#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kwarcyt {

class EditorSearch;
class SearchTarget;

class FindBar : public QWidget {
  Q_OBJECT

 public:
  // `target` names what is searched now; `editor` is the one that may be changed.
  FindBar(QWidget* parent, std::function<SearchTarget&()> target, EditorSearch& editor);

  // Shows the bar, with the replacement field or without, the find field ready for typing.
  void Open(bool withReplacement, const QString& proposed);
  void Close();
  // Marks the matches again after the searched text changed or another view came in.
  void Remark();
  void AllowReplacing(bool allowed);

 signals:
  // A match was selected or text was replaced: the caret moved.
  void caretMoved();
  void closed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Find(bool backward, bool here);
  void ShowNotFound(bool notFound);

  std::function<SearchTarget&()> target_;
  EditorSearch& editor_;
  QLineEdit* findField_;
  QLabel* notFound_;
  QWidget* replaceRow_;
  QLineEdit* replaceField_;
  QPushButton* replaceButton_;
  QPushButton* replaceAllButton_;
};

}  // namespace kwarcyt
