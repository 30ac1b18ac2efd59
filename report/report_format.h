#ifndef QUILLSTAT_REPORT_REPORT_FORMAT_H_
#define QUILLSTAT_REPORT_REPORT_FORMAT_H_

#include <cstddef>
#include <string>

namespace quillstat {

// The report formats, with the codes the front ends use.
enum class reportFormat { txt = 0, xml = 1, html = 2, json = 3, csv = 4 };

// The encoding of a txt, xml or html report; json and csv are always UTF-8.
enum class textEncoding { windows1251, utf8 };

struct analysisResult;
struct reportSettings;
struct formatParts;  // how the writer writes a format: its own (report_writer.cpp)

// Everything the program knows of one report format.
struct reportFormatRow {
  reportFormat format;
  const char* name;        // as -t takes it
  const char* saveLabel;   // the window's save button, "текстовый файл"
  const char* saveName;    // the name the window's save dialog is preset with
  const char* saveFilter;  // the save dialog's filter pair in the toolkit's syntax
  formatParts (*parts)(const reportSettings& settings, const analysisResult& result);
};

// One row per format, in the order of the codes; defined beside the
// writer's parts, in report_writer.cpp.
inline constexpr size_t reportFormatCount = 5;
extern const reportFormatRow reportFormats[reportFormatCount];

inline const reportFormatRow& rowOf(reportFormat format) {
  return reportFormats[static_cast<size_t>(format)];
}

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_FORMAT_H_
