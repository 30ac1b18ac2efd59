// The Pascal scanner, whole and in pieces, against the per-byte referee.
#include "engine/delphi_scan.h"
#include "engine/classic_referee.h"
#include "fuzz/fuzz_compare.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quillstat;
  compareWithReferee("Delphi classic", scannerOf<delphiScanner>(), data, size, classicRefereeScanDelphi);
  return 0;
}
