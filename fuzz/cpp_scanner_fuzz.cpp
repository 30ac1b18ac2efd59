// The C++ scanner, whole and in pieces, against the per-byte referee.
#include "engine/c_like_scan.h"
#include "engine/classic_referee.h"
#include "fuzz/fuzz_compare.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillstat;
  compareWithReferee("C++ classic", scannerOf<cppScanner>(), data, size, classicRefereeScanCpp);
  return 0;
}
