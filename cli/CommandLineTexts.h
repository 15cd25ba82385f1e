// Polish texts for what QCommandLineParser writes itself (the usage line, the headings of the
// help and its messages about a bad command line), so that all of kwarcyt-run speaks Polish even
// where Qt's own Polish translation is not installed.
#pragma once

#include <QTranslator>

namespace kwarcyt {

class CommandLineTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override;
  bool isEmpty() const override { return false; }
};

}  // namespace kwarcyt
