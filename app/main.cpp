#include <exception>

#include "displays/DisplayWindows.h"
#include "workbench/KwarcytApplication.h"
#include "workbench/TFormKwarcyt.h"
#include "workbench/TerminationSignals.h"

int main(int argc, char** argv) {
  kwarcyt::KwarcytApplication application(argc, argv);
  try {
    // The main window first: it owns the machine state and the display settings that the
    // display windows, created next and hidden until shown, read.
    kwarcyt::TFormKwarcyt formKwarcyt;
    kwarcyt::DisplayWindows displays(formKwarcyt.Machine(), formKwarcyt.Settings(), &formKwarcyt);
    formKwarcyt.SetDisplayWindows(&displays);
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
    return application.exec();
  } catch (...) {
    kwarcyt::KwarcytApplication::ShowError(
        kwarcyt::KwarcytApplication::ErrorText(std::current_exception()));
  }
  return 1;
}
