#include "CommandLineTexts.h"

#include <QCoreApplication>
#include <cstring>

#include "QtPolish.h"

namespace kwarcyt {

QString CommandLineTexts::translate(const char* context, const char* sourceText,
                                    const char* /*disambiguation*/, int /*n*/) const {
  // Worded as Qt's own Polish translation words them, so that the output is the same with it.
  static constexpr std::pair<const char*, const char*> kTexts[] = {
      {"Usage: %1", "Sposób użycia: %1"},
      {"[options]", "[opcje]"},
      {"Options:", "Opcje:"},
      {"Arguments:", "Argumenty:"},
      {"Unknown option '%1'.", "Nieznana opcja \"%1\"."},
      {"Unknown options: %1.", "Nieznane opcje: %1."},
      {"Missing value after '%1'.", "Brak wartości po \"%1\"."},
      {"Unexpected value after '%1'.", "Nieoczekiwana wartość po \"%1\"."},
  };
  if (context == nullptr || std::strcmp(context, "QCommandLineParser") != 0) return {};
  for (const auto& [english, polish] : kTexts) {
    if (std::strcmp(sourceText, english) == 0) return QString::fromUtf8(polish);
  }
  return {};
}

void InstallCommandLineTranslations(QCoreApplication& application) {
  QCoreApplication::installTranslator(new CommandLineTexts(&application));
  InstallQtPolishTranslation(application);
}

QCommandLineOption HelpOption() {
  return {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Wyświetla tę pomoc.")};
}

}  // namespace kwarcyt
