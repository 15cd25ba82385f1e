#include "CommandLineTexts.h"

#include <cstring>

namespace kwarcyt {

QString CommandLineTexts::translate(const char* context, const char* sourceText,
                                    const char* /*disambiguation*/, int /*n*/) const {
  static constexpr std::pair<const char*, const char*> kTexts[] = {
      {"Usage: %1", "Użycie: %1"},
      {"[options]", "[opcje]"},
      {"Options:", "Opcje:"},
      {"Arguments:", "Argumenty:"},
      {"Unknown option '%1'.", "Nieznana opcja „%1”."},
      {"Unknown options: %1.", "Nieznane opcje: %1."},
      {"Missing value after '%1'.", "Brak wartości po „%1”."},
      {"Unexpected value after '%1'.", "Opcja „%1” nie przyjmuje wartości."},
  };
  if (context == nullptr || std::strcmp(context, "QCommandLineParser") != 0) return {};
  for (const auto& [english, polish] : kTexts) {
    if (std::strcmp(sourceText, english) == 0) return QString::fromUtf8(polish);
  }
  return {};
}

}  // namespace kwarcyt
