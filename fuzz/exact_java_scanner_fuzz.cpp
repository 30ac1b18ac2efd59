// The exact Java scanner, whole and in pieces, against its per-byte referee.
#include "engine/exact_java_scan.h"
#include "engine/exact_reference_scan.h"
#include "fuzz/fuzz_compare.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillstat;
  compareWithReferee<exactJavaScanner>(data, size, referenceScanExactJava);
  return 0;
}
