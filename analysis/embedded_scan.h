#ifndef QUILLSTAT_ANALYSIS_EMBEDDED_SCAN_H_
#define QUILLSTAT_ANALYSIS_EMBEDDED_SCAN_H_

#include <string_view>
#include <vector>

#include "analysis/analysis_result.h"
#include "analysis/embedded_regions.h"
#include "engine/file_stats.h"
#include "engine/word_places.h"

namespace quillstat {

// A file with embedded code, read by the rows of all its languages.
struct embeddedScan {
  fileStats stats;                     // of the whole content; sizeFile its length
  std::vector<embeddedFigures> embedded;  // a language each, in table order
};

// Reads `content` by the exact rows of `host` and of its regions' languages
// (embeddedRegionsOf), each on a copy of the content where every byte of
// the others' parts is a blank (line ends kept), so that offsets and lines
// stay those of the file; a text region (noLanguage) is the host's, its
// bytes but blanks taken as plain text. includeFirstComment applies to the
// host's comments; embedded comments all count. The comment, mark and word
// figures are the sums over the scans, a line is the strongest of what the
// scans make of it (code, then comment, then blank), and the places of the
// words, when `places` is not null, are appended in content order.
embeddedScan scanEmbedded(std::string_view content, unsigned host,
                          const std::vector<embeddedRegion>& regions, bool includeFirstComment,
                          std::vector<wordPlace>* places);

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_EMBEDDED_SCAN_H_
