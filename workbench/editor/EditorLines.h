// The program lines of the editor. An empty text holds no line; otherwise the lines are the text
// split at its line breaks, so a final line break gives a final empty line. The headless runner
// counts lines the same way.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

class QTextDocument;

namespace kwarcyt {

int EditorLineCount(const QTextDocument& document);
// Each line in UTF-8, as the checker and the interpreter take it.
std::vector<std::string> EditorLines(const QTextDocument& document);
// Each line exactly as the editor holds it, as a file is written from it.
QStringList EditorTextLines(const QTextDocument& document);

}  // namespace kwarcyt
