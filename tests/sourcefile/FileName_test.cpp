#include "sourcefile/FileName.h"

#include <gtest/gtest.h>

namespace kwarcyt {
namespace {

// Every name comes back byte for byte, and is shown with what is not UTF-8 escaped.
TEST(FileNameTest, KeepsEveryByteAndShowsTheOnesThatAreNotUtf8) {
  const std::pair<QByteArray, QString> cases[] = {
      {"zad\xB3\xB9.txt", "zad\\xB3\\xB9.txt"},      // Windows-1250
      {"zadłą.txt", "zadłą.txt"},                    // UTF-8
      {"\xED\xA0\x80\xC3", "\\xED\\xA0\\x80\\xC3"},  // an encoded surrogate, cut short
      {"\xC0\xAF\xF4\x90\x80\x80", "\\xC0\\xAF\\xF4\\x90\\x80\\x80"},  // overlong, too high
      {"\xF0\x9F\x98\x80\x1B\xC2\x85", "\xF0\x9F\x98\x80\\x1B\\x85"},  // U+1F600, controls
  };
  for (const auto& [bytes, shown] : cases) {
    const char* const argv[] = {"kwarcyt", bytes.constData()};
    const QString name = CommandLineArguments(2, argv).value(1);
    EXPECT_EQ(FileNameBytes(name), bytes) << bytes.toHex().toStdString();
    EXPECT_EQ(ShownText(name), shown) << bytes.toHex().toStdString();
  }
}

}  // namespace
}  // namespace kwarcyt
