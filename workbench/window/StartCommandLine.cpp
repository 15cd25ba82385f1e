#include "workbench/window/StartCommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include "viewtext/CommandLineTexts.h"

namespace kwarcyt {

StartRequest ParseStartCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Dydaktyczny symulator mikroprocesora Intel 8085: edytor programu w "
                     "asemblerze,\nsprawdzanie wierszy z objaśnieniem błędów, praca ciągła i "
                     "krokowa, podgląd\nrejestrów, flag, pamięci, portów i trzech wyświetlaczy."));
  const QCommandLineOption help = HelpOption();
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Wyświetla numer wersji programu."));
  parser.addOptions({help, version});
  parser.addPositionalArgument(QStringLiteral("PLIK"),
                               QStringLiteral("Plik z programem otwierany przy starcie, tak jak "
                                              "poleceniem Plik > Otwórz... (nieobowiązkowy)."),
                               QStringLiteral("[PLIK]"));
  const bool parsed = parser.parse(arguments);
  if (parser.isSet(help)) return {StartRequest::Outcome::Help, {}, parser.helpText()};
  if (parser.isSet(version)) {
    return {StartRequest::Outcome::Version,
            {},
            QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                          QCoreApplication::applicationVersion())};
  }
  if (!parsed) return {StartRequest::Outcome::Error, {}, parser.errorText()};
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    return {StartRequest::Outcome::Error,
            {},
            QStringLiteral("podano więcej niż jeden plik: %1").arg(files.join(QLatin1Char(' ')))};
  }
  return {StartRequest::Outcome::Start, files.value(0), {}};
}

bool MayHoldQtOptions(const QStringList& arguments) {
  for (const QString& argument : arguments.mid(1)) {
    if (argument.size() > 2 && argument.startsWith(QLatin1Char('-')) &&
        !argument.startsWith(QLatin1String("--"))) {
      return true;
    }
  }
  return false;
}

}  // namespace kwarcyt
