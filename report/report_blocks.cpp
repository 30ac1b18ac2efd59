#include "report/report_blocks.h"

#include "analysis/languages.h"

namespace quillstat {

reportBlocks::reportBlocks(const analysisResult& result, const reportContent& content)
    : result_(result),
      content_(content),
      skippedAt_(result.records.size() + (result.fromDirectory ? 1 : 0)),
      total_(totalOf(result)) {
  languages_ = languageTotalsOf(result);
  if (languages_.size() < 2) languages_.clear();
  if (result.fromDirectory && content.directoryDepth > 0) {
    directories_ = directoryTotalsOf(result, content.directoryDepth);
  }
}

reportBlock reportBlocks::block(size_t index) const {
  auto make = [this](blockKind kind, const fileStats& figures, std::string_view name,
                     size_t place, size_t count) {
    return reportBlock{kind, figures, name, nullptr, result_.skipped, content_,
                       place == 0, place + 1 == count};
  };
  const size_t records = result_.records.size();
  if (index < records) {
    const fileRecord& record = result_.records[index];
    reportBlock block =
        make(blockKind::record, record.stats, record.stats.filename, index, records);
    if (content_.recordLanguages && record.language < languageCount) {
      block.language = languageName(record.language);
    }
    return block;
  }
  if (index < skippedAt_) return make(blockKind::total, total_, {}, 0, 1);
  index -= skippedAt_;
  if (result_.skipped.any() && index-- == 0) return make(blockKind::skipped, total_, {}, 0, 1);
  if (index < languages_.size()) {
    const languageTotal& language = languages_[index];
    return make(blockKind::language, language.figures, languageName(language.language),
                index, languages_.size());
  }
  index -= languages_.size();
  const directoryTotal& directory = directories_[index];
  return make(blockKind::directory, directory.figures, directory.path, index,
              directories_.size());
}

}  // namespace quillstat
