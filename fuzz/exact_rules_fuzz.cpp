// Every exact row of the language table: its machine, whole and in pieces,
// against the referee reading the same row. The first byte of the input
// picks the row, the second is as fuzz_compare.h says; the rest is content.
#include "analysis/language_table.h"
#include "engine/exact_referee.h"
#include "fuzz/fuzz_compare.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillstat;
  if (size == 0) return 0;
  const languageEntry& language = languageTable[data[0] % languageCount];
  compareWithReferee(language.name, language.exact, data + 1, size - 1,
                     [&language](const char* content, size_t length, bool first) {
                       return exactRefereeScan(language.row->rules, content, length, first);
                     });
  return 0;
}
