// kwarcyt-run: checks and runs program files without a window, for grading many at once.
#include <QCoreApplication>
#include <cstdio>

#include "CommandLineTexts.h"
#include "Runner.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("kwarcyt-run"));
  kwarcyt::CommandLineTexts polish;
  QCoreApplication::installTranslator(&polish);

  const kwarcyt::ParsedCommandLine parsed = kwarcyt::ParseCommandLine(application.arguments());
  switch (parsed.outcome) {
    case kwarcyt::ParsedCommandLine::Outcome::Help:
      std::fputs(parsed.text.toUtf8().constData(), stdout);
      return 0;
    case kwarcyt::ParsedCommandLine::Outcome::Error:
      std::fputs(("kwarcyt-run: " + parsed.text + "\nOpis wszystkich opcji: kwarcyt-run --help\n")
                     .toUtf8()
                     .constData(),
                 stderr);
      return kwarcyt::kUsageExitStatus;
    case kwarcyt::ParsedCommandLine::Outcome::Run:
      break;
  }
  return kwarcyt::RunKwarcyt(parsed.options);
}
