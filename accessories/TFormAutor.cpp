#include "TFormAutor.h"

#include "look/Fonts.h"

#include <QLabel>

namespace kwarcyt {

namespace {

constexpr int kLineHeight = 16;
constexpr int kDetailsLeft = 143;

QLabel* PlacedLabel(QWidget* parent, const char* name, const QString& text, const QRect& place,
                    Qt::Alignment alignment) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(place);
  label->setAlignment(alignment);
  return label;
}

}  // namespace

TFormAutor::TFormAutor(QWidget* parent) : ModalDialog(parent) {
  setObjectName(QStringLiteral("FormAutor"));
  setWindowTitle(QStringLiteral("Kwarcyt - O autorze"));
  setFont(SansFont(13));
  setFixedSize(kClientSize);

  const int width = kClientSize.width();
  const auto fullWidth = [width](int top) { return QRect(0, top, width, kLineHeight); };
  const auto details = [width](int top) {
    return QRect(kDetailsLeft, top, width - kDetailsLeft, kLineHeight);
  };
  const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
  const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;

  QLabel* heading = PlacedLabel(this, "headingLabel", QStringLiteral("PRACA DYPLOMOWA"),
                                QRect(0, 0, width, 33), centred);
  QFont bold = font();
  bold.setBold(true);
  heading->setFont(bold);

  PlacedLabel(this, "topicLabel",
              QStringLiteral("Temat pracy: \u201ESymulator mikroprocesora Intel 8085\u201D"),
              fullWidth(35), centred);
  PlacedLabel(this, "authorLabel", QStringLiteral("Autor: Zespół Kwarcyt"), details(64), left);
  PlacedLabel(this, "supervisorLabel", QStringLiteral("Promotor: mgr inż. Jan Kowalski"),
              details(80), left);
  PlacedLabel(this, "schoolYearLabel", QStringLiteral("Rok szkolny: 2003/2004"), details(96), left);
  PlacedLabel(this, "termsLabel1",
              QStringLiteral("Program jest bezpłatny i może być swobodnie używany do nauki,"),
              fullWidth(131), centred);
  PlacedLabel(this, "termsLabel2",
              QStringLiteral("w szczególności na lekcjach w Zespole Szkół Technicznych nr 2."),
              fullWidth(147), centred);
  PlacedLabel(this, "termsLabel3",
              QStringLiteral("Wolno go kopiować bez zmian i bez pobierania opłat."), fullWidth(171),
              centred);
  PlacedLabel(this, "schoolLabel",
              QStringLiteral("Zespół Szkół Technicznych nr 2, ul. Krzemowa 5, 85-085 Kwarcowo"),
              fullWidth(200), centred);
}

}  // namespace kwarcyt
