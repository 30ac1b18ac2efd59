#include "report/report_blocks.h"

namespace quillstat {

reportBlocks::reportBlocks(const analysisResult& result) : result_(result) {
  if (!result.fromDirectory) return;
  for (const fileStats& record : result.records) total_ = addStats(total_, record);
}

void reportBlocks::append(size_t index, const blockFormat& format, std::string* out) const {
  if (index < result_.records.size()) {
    format.record(result_.records[index], out);
  } else {
    format.total(total_, out);
  }
}

}  // namespace quillstat
