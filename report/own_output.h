#ifndef QUILLSTAT_REPORT_OWN_OUTPUT_H_
#define QUILLSTAT_REPORT_OWN_OUTPUT_H_

#include <cstddef>
#include <string_view>

namespace quillstat {

// How many leading bytes of a file looksLikeOwnOutput() looks at at most.
inline constexpr size_t ownOutputHeadSize = 8192;

// Whether a file that begins with `head` (its first ownOutputHeadSize bytes,
// or the whole of a shorter file) is one this program writes, told by what
// each writer always writes first:
//   txt        "Имя файла: " or "Пропущено файлов: ", in Windows-1251 or UTF-8
//   xml        "<?xml version='1.0' encoding='WINDOWS-1251'?>\r\n<main>\r\n" (or UTF-8)
//   html       "<html>\n<body>\n<table border=1>\r\n" (or with the UTF-8 <head>)
//   json       "{\n  \"program\": \"quillstat\","
//   csv        "kind,path,size,commentChars,comments,statementMarks,todo,fixme,"
//   dashboard  the page's start, up to its generator line
//   todo list  a first line "PATH:LINE:COLUMN: todo: " (or fixme); in JSON
//              "[]\n" or "[\n  {\"path\": "
// An empty file counts as one too: it holds nothing to lose. A run may
// write over such a file inside the tree it analyses; anything else there
// is a source. A writer that changes its first bytes changes this rule
// (own_output_test runs every writer against it).
bool looksLikeOwnOutput(std::string_view head);

}  // namespace quillstat

#endif  // QUILLSTAT_REPORT_OWN_OUTPUT_H_
