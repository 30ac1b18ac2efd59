// The exact Pascal scanner, whole and in pieces, against its per-byte referee.
#include "engine/exact_pascal_scan.h"
#include "engine/exact_reference_scan.h"
#include "fuzz/fuzz_compare.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillstat;
  compareWithReferee<exactPascalScanner>(data, size, referenceScanExactPascal);
  return 0;
}
