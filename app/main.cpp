#include <QCoreApplication>
#include <cstdio>
#include <exception>
#include <optional>

#include "sourcefile/FileName.h"
#include "viewtext/CommandLineTexts.h"
#include "workbench/window/KwarcytApplication.h"
#include "workbench/window/StartCommandLine.h"
#include "workbench/window/TFormKwarcyt.h"
#include "workbench/window/TerminationSignals.h"
#include "workbench/window/WindowSettings.h"

namespace {

constexpr int kUsageExitStatus = 2;

void NameApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("Kwarcyt"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KWARCYT_VERSION));
}

int ReportBadCommandLine(const QString& message) {
  std::fputs(("kwarcyt: " + kwarcyt::ShownText(message) + "\nOpis opcji: kwarcyt --help\n")
                 .toUtf8()
                 .constData(),
             stderr);
  return kUsageExitStatus;
}

// The help, the version and a bad command line are answered on the terminal before the window
// system is reached, so that they need no display.
std::optional<int> AnswerOnTerminal(int& argc, char** argv) {
  const QCoreApplication terminal(argc, argv);
  NameApplication();
  kwarcyt::InstallCommandLineTranslations(*QCoreApplication::instance());
  // Not QCoreApplication::arguments(): it loses the bytes of a file name that is not UTF-8.
  const QStringList arguments = kwarcyt::CommandLineArguments(argc, argv);
  const kwarcyt::StartRequest request = kwarcyt::ParseStartCommandLine(arguments);
  switch (request.outcome) {
    case kwarcyt::StartRequest::Outcome::Help:
    case kwarcyt::StartRequest::Outcome::Version:
      std::fputs(request.text.toUtf8().constData(), stdout);
      return 0;
    case kwarcyt::StartRequest::Outcome::Error:
      if (kwarcyt::MayHoldQtOptions(arguments)) return std::nullopt;
      return ReportBadCommandLine(request.text);
    case kwarcyt::StartRequest::Outcome::Start:
      break;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  if (const std::optional<int> status = AnswerOnTerminal(argc, argv)) return *status;
  kwarcyt::KwarcytApplication application(argc, argv);
  NameApplication();
  // Read again once Qt has taken its own options (-platform, -style, ...) off the line.
  const kwarcyt::StartRequest request =
      kwarcyt::ParseStartCommandLine(kwarcyt::CommandLineArguments(argc, argv));
  if (request.outcome == kwarcyt::StartRequest::Outcome::Error) {
    return ReportBadCommandLine(request.text);
  }
  try {
    // The main window owns the machine state and the display settings that the display windows,
    // created next and hidden until shown, read.
    kwarcyt::TFormKwarcyt formKwarcyt;
    formKwarcyt.UseSettingsFile(kwarcyt::WindowSettings::DefaultPath());
    formKwarcyt.CreateDisplayWindows();
    formKwarcyt.show();
    // Asked to end from outside (a kill, a closed terminal, a logout): no question can be
    // answered then, so unsaved work goes into its recovery copy and the program ends.
    kwarcyt::TerminationSignals termination;
    QObject::connect(&termination, &kwarcyt::TerminationSignals::received, &formKwarcyt,
                     [&formKwarcyt](int signalNumber) {
                       formKwarcyt.KeepUnsavedWork();
                       QCoreApplication::exit(128 + signalNumber);
                     });
    formKwarcyt.OfferRecovery();
    if (!request.file.isEmpty()) formKwarcyt.OpenFile(request.file);
    return application.exec();
  } catch (...) {
    kwarcyt::KwarcytApplication::ShowError(
        kwarcyt::KwarcytApplication::ErrorText(std::current_exception()));
  }
  return 1;
}
