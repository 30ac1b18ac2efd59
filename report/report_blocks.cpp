#include "report/report_blocks.h"

#include "analysis/languages.h"

namespace quillstat {

reportBlocks::reportBlocks(const analysisResult& result, const reportContent& content)
    : result_(result),
      content_(content),
      skippedAt_(result.records.size() + (result.fromDirectory ? 1 : 0)),
      total_(totalOf(result)) {
  languages_ = languageTotalsOf(result);
  // Only reports that name the records' languages total embedded code.
  if (content.recordLanguages) embedded_ = embeddedTotalsOf(result);
  if (languages_.size() < 2 && embedded_.empty()) languages_.clear();
  if (result.fromDirectory && content.directoryDepth > 0) {
    directories_ = directoryTotalsOf(result, content.directoryDepth);
  }
}

reportBlock reportBlocks::block(size_t index) const {
  auto make = [this](blockKind kind, const fileStats& figures, std::string_view name,
                     size_t place, size_t count) {
    return reportBlock{kind, figures, name, nullptr, result_.skipped, content_,
                       place == 0, place + 1 == count, {}, false};
  };
  const size_t records = result_.records.size();
  if (index < records) {
    const fileRecord& record = result_.records[index];
    reportBlock block =
        make(blockKind::record, record.stats, record.stats.filename, index, records);
    if (content_.recordLanguages && record.language < languageCount) {
      block.language = languageName(record.language);
    }
    block.embedded = record.embedded;
    return block;
  }
  if (index < skippedAt_) return make(blockKind::total, total_, {}, 0, 1);
  index -= skippedAt_;
  if (result_.skipped.any() && index-- == 0) return make(blockKind::skipped, total_, {}, 0, 1);
  const size_t languageBlocks = languages_.size() + embedded_.size();
  if (index < languageBlocks) {
    const bool embedded = index >= languages_.size();
    const languageTotal& language =
        embedded ? embedded_[index - languages_.size()] : languages_[index];
    reportBlock block = make(blockKind::language, language.figures,
                             languageName(language.language), index, languageBlocks);
    block.embeddedCode = embedded;
    return block;
  }
  index -= languageBlocks;
  const directoryTotal& directory = directories_[index];
  return make(blockKind::directory, directory.figures, directory.path, index,
              directories_.size());
}

}  // namespace quillstat
