#ifndef QUILLSTAT_REPORT_REPORT_FORMAT_H_
#define QUILLSTAT_REPORT_REPORT_FORMAT_H_

namespace quillstat {

// The three report formats, with the codes the front ends use.
enum class reportFormat { txt = 0, xml = 1, html = 2 };

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_FORMAT_H_
