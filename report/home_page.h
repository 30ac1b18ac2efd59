#ifndef QUILLSTAT_REPORT_HOME_PAGE_H_
#define QUILLSTAT_REPORT_HOME_PAGE_H_

namespace quillstat {

// The program's home page: the HTML report's footer and the about box link to it.
inline constexpr char homePageAddress[] = "https://quillstat.example.org/";

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_HOME_PAGE_H_
