#include <exception>

#include "KwarcytApplication.h"
#include "TFormKwarcyt.h"

int main(int argc, char** argv) {
  kwarcyt::KwarcytApplication application(argc, argv);
  try {
    // The main window first: it owns the machine state that every other window reads.
    kwarcyt::TFormKwarcyt formKwarcyt;
    // The three display windows are created here, after the main window, hidden until shown.
    formKwarcyt.show();
    return application.exec();
  } catch (const std::exception& error) {
    kwarcyt::KwarcytApplication::ShowError(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    kwarcyt::KwarcytApplication::ShowError(QString());
  }
  return 1;
}
