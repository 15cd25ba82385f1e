#include "QtPolish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kwarcyt {

bool InstallQtPolishTranslation(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  if (!translator->load(QStringLiteral("qtbase_pl"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace kwarcyt
