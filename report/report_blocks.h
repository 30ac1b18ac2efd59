#ifndef QUILLSTAT_REPORT_REPORT_BLOCKS_H_
#define QUILLSTAT_REPORT_REPORT_BLOCKS_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "analysis/analysis_result.h"
#include "engine/file_stats.h"
#include "report/block_formatters.h"

namespace quillstat {

// How one format writes a record and the total (see block_formatters.h).
struct blockFormat {
  void (*record)(const fileStats& stats, std::string* out);
  void (*total)(const fileStats& total, std::string* out);
  std::string_view betweenRecords = {};  // before each record but the first
};

// The plain-text blocks, of the text report and the summary.
inline constexpr blockFormat textBlocks{formatTextRecord, formatTextTotal};

// The blocks that every report and the summary show, in their one order: a
// block per record, in order, then, after a directory analysis, the block of
// the total over all records (also when there are none).
class reportBlocks {
 public:
  // `result` must outlive the blocks and stay unchanged; the total is summed
  // here, once.
  explicit reportBlocks(const analysisResult& result);

  size_t size() const { return result_.records.size() + (result_.fromDirectory ? 1 : 0); }

  // Appends block `index` (below size()) to *out in `format`.
  void append(size_t index, const blockFormat& format, std::string* out) const;

  // Whether block `index` is the total, and the figures it shows.
  bool isTotal(size_t index) const { return index >= result_.records.size(); }
  const fileStats& figures(size_t index) const {
    return isTotal(index) ? total_ : result_.records[index];
  }

 private:
  const analysisResult& result_;
  fileStats total_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_BLOCKS_H_
