#ifndef QUILLSTAT_REPORT_REPORT_FORMAT_H_
#define QUILLSTAT_REPORT_REPORT_FORMAT_H_

namespace quillstat {

// The report formats, with the codes the front ends use.
enum class reportFormat { txt = 0, xml = 1, html = 2, json = 3, csv = 4 };

// The encoding of a txt, xml or html report; json and csv are always UTF-8.
enum class textEncoding { windows1251, utf8 };

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_REPORT_FORMAT_H_
