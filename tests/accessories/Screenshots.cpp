// Not a test: writes pictures of every help page, the screen saver and the About box into the
// folder given as the first argument (default /tmp/acc-shots), for a person to look at.
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

#include "accessories/TFormAutor.h"
#include "accessories/TFormPomoc.h"
#include "accessories/TFormWygaszacz.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString folder =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("/tmp/acc-shots");
  QDir().mkpath(folder);

  kwarcyt::TFormPomoc help;
  help.show();
  for (int page = 0; page < help.PageControl()->count(); ++page) {
    help.PageControl()->setCurrentIndex(page);
    QApplication::processEvents();
    help.grab().save(QStringLiteral("%1/pomoc-%2.png").arg(folder).arg(page + 1));
  }

  kwarcyt::TFormWygaszacz saver;
  saver.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
  saver.show();
  for (int tick = 0; tick < 80; ++tick) saver.Timer1Timer();
  QApplication::processEvents();
  saver.grab().save(folder + QStringLiteral("/wygaszacz.png"));

  kwarcyt::TFormAutor about;
  about.show();
  QApplication::processEvents();
  about.grab().save(folder + QStringLiteral("/autor.png"));
  return 0;
}
