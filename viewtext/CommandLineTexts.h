// Polish texts for what QCommandLineParser writes itself (the usage line, the headings of the
// help and its messages about a bad command line), so that the programs' command lines speak
// Polish even where Qt's own Polish translation is not installed.
#pragma once

#include <QCommandLineOption>
#include <QTranslator>

class QCoreApplication;

namespace kwarcyt {

class CommandLineTexts : public QTranslator {
 public:
  using QTranslator::QTranslator;
  QString translate(const char* context, const char* sourceText, const char* disambiguation,
                    int n) const override;
  bool isEmpty() const override { return false; }
};

// Qt's own Polish texts first; the program's table answers what they lack.
void InstallCommandLineTranslations(QCoreApplication& application);

// -h, --help, described in Polish.
QCommandLineOption HelpOption();

}  // namespace kwarcyt
