#ifndef QUILLSTAT_REPORT_JSON_TEXT_H_
#define QUILLSTAT_REPORT_JSON_TEXT_H_

#include <string>
#include <string_view>

namespace quillstat {

// The pieces of JSON text (RFC 8259) that every JSON output writes alike.
// Bytes from 0x80 up pass as they are: the writers replace those that are
// not UTF-8 (see report_writer.h).

// Appends `text` as a JSON string, quotes included.
void appendJsonString(std::string_view text, std::string* out);

// Appends the member "path": `name`, and "pathBytes" (every byte as two
// lower-case hex digits) when the name is not UTF-8.
void appendJsonPath(std::string_view name, std::string* out);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_JSON_TEXT_H_
