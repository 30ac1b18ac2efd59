#include "report/report_blocks.h"

namespace quillstat {

reportBlocks::reportBlocks(const analysisResult& result) : result_(result) {
  if (result.fromDirectory) total_ = totalOf(result);
}

void reportBlocks::append(size_t index, const blockFormat& format, std::string* out) const {
  if (index < result_.records.size()) {
    if (index > 0) out->append(format.betweenRecords);
    format.record(result_.records[index].stats, out);
  } else {
    format.total(total_, out);
  }
}

}  // namespace quillstat
