#ifndef QUILLSTAT_ANALYSIS_FOREIGN_FILES_H_
#define QUILLSTAT_ANALYSIS_FOREIGN_FILES_H_

#include <span>
#include <string_view>

namespace quillstat {

// The names of the directories that hold other people's code, fetched or
// copied into a tree ("node_modules", "vendor", "third_party", ...), as
// vendoredDirectory takes them.
extern const std::span<const std::string_view> vendoredDirectoryNames;

// Whether a directory named `name` holds vendored code: one of
// vendoredDirectoryNames, case included.
bool vendoredDirectory(std::string_view name);

// Whether a file named `name` is minified by its name: it ends in ".min.js",
// ".min.mjs", ".min.cjs" or ".min.css".
bool minifiedName(std::string_view name);

// The markers that generators write into the first lines of what they
// generate, as generatedText finds them.
extern const std::span<const std::string_view> generatedMarkers;

// Whether the start of a file, `text` (its first read), shows it generated
// or minified: one of generatedMarkers within its first
// kGeneratedMarkerLines lines, case included; or, when it holds at least
// kMinifiedLeast bytes, lines longer than kMinifiedLineLength bytes on
// average, where hand-written code's average well under 100.
bool generatedText(std::string_view text);

inline constexpr int kGeneratedMarkerLines = 10;
inline constexpr size_t kMinifiedLeast = 1000;
inline constexpr size_t kMinifiedLineLength = 250;

}  // namespace quillstat

#endif  // QUILLSTAT_ANALYSIS_FOREIGN_FILES_H_
