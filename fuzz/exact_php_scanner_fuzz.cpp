// The exact PHP scanner, whole and in pieces, against its per-byte referee.
#include "engine/exact_php_scan.h"
#include "engine/exact_reference_scan.h"
#include "engine/scanner_finder.h"
#include "fuzz/fuzz_compare.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillstat;
  compareWithReferee<exactPhpScanner, scannerFinder<exactPhpScanner>>(data, size, referenceScanExactPhp);
  return 0;
}
