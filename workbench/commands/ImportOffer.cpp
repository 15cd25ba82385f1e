#include "ImportOffer.h"

#include <QFileInfo>

#include "sourceimport/CommonSyntax.h"
#include "workbench/window/Dialogs.h"

namespace kwarcyt {

bool ImportAccepted(Dialogs& dialogs, QWidget* parent, const QString& path,
                    const std::vector<std::string>& lines) {
  if (!WorthImporting(QFileInfo(path).fileName().toStdString(), lines)) return false;
  return dialogs.Offer(
             parent, QStringLiteral("Kwarcyt"),
             QStringLiteral("Ten plik wygląda na program w innej składni. Zaimportować go?")) ==
         QMessageBox::Yes;
}

}  // namespace kwarcyt
