// kwarcyt-run: checks and runs program files without a window, for grading many at once.
#include <QCoreApplication>
#include <cstdio>
#include <exception>
#include <new>

#include "Runner.h"
#include "sourcefile/FileName.h"
#include "viewtext/CommandLineTexts.h"

int main(int argc, char* argv[]) {
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("kwarcyt-run"));
  kwarcyt::InstallCommandLineTranslations(application);

  // Not application.arguments(): it loses the bytes of a file name that is not UTF-8.
  const kwarcyt::ParsedCommandLine parsed =
      kwarcyt::ParseCommandLine(kwarcyt::CommandLineArguments(argc, argv));
  switch (parsed.outcome) {
    case kwarcyt::ParsedCommandLine::Outcome::Help:
      std::fputs(parsed.text.toUtf8().constData(), stdout);
      return 0;
    case kwarcyt::ParsedCommandLine::Outcome::Error:
      // The text quotes an argument, which may be the name of a student's file.
      std::fputs(("kwarcyt-run: " + kwarcyt::ShownText(parsed.text).toStdString() +
                  "\nOpis wszystkich opcji: kwarcyt-run --help\n")
                     .c_str(),
                 stderr);
      return kwarcyt::kUsageExitStatus;
    case kwarcyt::ParsedCommandLine::Outcome::Run:
      break;
  }
  // Without this, the C++ runtime would end the program with an English text of its own.
  try {
    return kwarcyt::RunKwarcyt(parsed.options);
  } catch (const std::bad_alloc&) {
    std::fputs("kwarcyt-run: za mało pamięci\n", stderr);
  } catch (const std::exception&) {
    std::fputs("kwarcyt-run: nieoczekiwany błąd wewnętrzny\n", stderr);
  }
  return kwarcyt::kUsageExitStatus;
}
