// The exact PHP scanner, whole and in pieces, against its per-byte referee.
#include "engine/exact_php_scan.h"
#include "engine/exact_reference_scan.h"
#include "fuzz/fuzz_compare.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillstat;
  compareWithReferee<exactPhpScanner>(data, size, referenceScanExactPhp);
  return 0;
}
