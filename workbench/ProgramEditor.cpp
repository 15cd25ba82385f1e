#include "ProgramEditor.h"

#include <QMimeData>

namespace kwarcyt {

bool ProgramEditor::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && source->hasText();
}

void ProgramEditor::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr) return;
  const QString text = source->text();
  if (text.isEmpty()) return;
  textCursor().insertText(text);
  ensureCursorVisible();
}

}  // namespace kwarcyt
