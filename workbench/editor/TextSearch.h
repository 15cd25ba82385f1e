// Finding text as typed, letter case ignored, in the editor or in the rows of the program list:
// every match marked, one of them selected.
#pragma once

#include <QString>

class QListWidget;
class QPlainTextEdit;

namespace kwarcyt {

class SearchTarget {
 public:
  virtual ~SearchTarget() = default;
  // Marks every match and returns their count; an empty text only clears the marks.
  virtual int MarkAll(const QString& text) = 0;
  // Selects the match after (or before) the present selection, going round at the end; with
  // `here`, a match that starts at the present selection counts too. False when there is none.
  virtual bool Select(const QString& text, bool backward, bool here) = 0;
};

class EditorSearch : public SearchTarget {
 public:
  explicit EditorSearch(QPlainTextEdit& editor) : editor_(editor) {}
  int MarkAll(const QString& text) override;
  bool Select(const QString& text, bool backward, bool here) override;
  // Replaces the selected match, if one is selected, and selects the next match.
  void ReplaceSelected(const QString& text, const QString& replacement);
  // Replaces every match as one step of Cofnij; returns how many there were.
  int ReplaceAll(const QString& text, const QString& replacement);

 private:
  QPlainTextEdit& editor_;
};

class ListSearch : public SearchTarget {
 public:
  explicit ListSearch(QListWidget& list) : list_(list) {}
  int MarkAll(const QString& text) override;
  bool Select(const QString& text, bool backward, bool here) override;

 private:
  QListWidget& list_;
};

}  // namespace kwarcyt
