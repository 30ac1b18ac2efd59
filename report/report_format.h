#ifndef QUILLSTAT_REPORT_REPORT_FORMAT_H_
#define QUILLSTAT_REPORT_REPORT_FORMAT_H_

#include <cstddef>
#include <string>

namespace quillstat {

// The report formats, with the codes the front ends use.
enum class reportFormat { txt = 0, xml = 1, html = 2, json = 3, csv = 4, dashboard = 5 };

// The encoding of a txt, xml or html report; json, csv and the dashboard are
// always UTF-8.
enum class textEncoding { windows1251, utf8 };

struct analysisResult;
struct reportSettings;
struct formatParts;  // how the writer writes a format: its own (report_writer.cpp)

// What the writer and the command line know of one report format; the
// window keeps its own texts for saving each.
struct reportFormatRow {
  reportFormat format;
  const char* name;        // as -t takes it
  // How the writer writes the format; null for the dashboard, which writes
  // itself (dashboard.h).
  formatParts (*parts)(const reportSettings& settings, const analysisResult& result);
};

// One row per format, in the order of the codes; defined beside the
// writer's parts, in report_writer.cpp.
inline constexpr size_t reportFormatCount = 6;
extern const reportFormatRow reportFormats[reportFormatCount];

inline const reportFormatRow& rowOf(reportFormat format) {
  return reportFormats[static_cast<size_t>(format)];
}

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_FORMAT_H_
