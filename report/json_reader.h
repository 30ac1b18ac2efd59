#ifndef QUILLSTAT_REPORT_JSON_READER_H_
#define QUILLSTAT_REPORT_JSON_READER_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillstat {

// A JSON value (RFC 8259) as the reader keeps it: a number as its text, so
// that a 64-bit integer is read without loss and a figure with decimals is
// left to the caller.
struct jsonMember;

struct jsonValue {
  enum class kind : char { null, boolean, number, string, array, object };
  kind type = kind::null;
  bool boolean = false;
  std::string text;  // a string's UTF-8 value or a number's digits
  std::vector<jsonValue> items;
  std::vector<jsonMember> members;  // in document order

  // The member `name` of an object, or nullptr (also for a non-object).
  const jsonValue* find(std::string_view name) const;
  // The value as a whole number that fits in 64 bits, or nullopt (also for
  // a number with a fraction or exponent, or a non-number).
  std::optional<int64_t> integer() const;
};

// A member of an object. A type of its own rather than a std::pair, which
// would need jsonValue complete inside its own definition.
struct jsonMember {
  std::string name;
  jsonValue value;
};

// Parses `text`, one JSON value with only white space around it, strictly:
// no comments, trailing commas, leading zeros, lone surrogates or bytes that
// are not UTF-8 in strings, and at most 64 levels of nesting. Returns false
// with the reason and the byte offset in *error ("line 3: expected ','").
bool parseJson(std::string_view text, jsonValue* value, std::string* error);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_JSON_READER_H_
