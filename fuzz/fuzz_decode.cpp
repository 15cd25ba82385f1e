// Reading program files: any bytes decode to lines without a line break inside them, and saving
// those lines in the encoding they were read in gives back the same lines when read again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "sourcefile/ProgramText.h"

using namespace kwarcyt;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QByteArrayView bytes(data, static_cast<qsizetype>(size));
  const ProgramText read = DecodeProgramText(bytes);
  for (const QString& line : read.lines) {
    if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n'))) std::abort();
  }

  const EncodedProgram saved = EncodeProgramText(read.lines, read.encoding);
  if (DecodeProgramText(saved.bytes).lines != read.lines) std::abort();
  return 0;
}
