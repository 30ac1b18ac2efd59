#include "report/report_writer.h"

#include <string_view>

#include "report/block_formatters.h"
#include "report/report_blocks.h"
#include "report/home_page.h"
#include "report/report_file.h"
#include "report/windows1251.h"

namespace quillstat {

namespace {

// The output goes to the file in pieces of about this size: one system call
// per piece rather than per block, and memory that does not grow with the
// number of records.
constexpr size_t chunkSize = 64 * 1024;

constexpr std::string_view xmlHeader =
    "<?xml version='1.0' encoding='WINDOWS-1251'?>\r\n<main>\r\n";
constexpr std::string_view xmlFooter = "</main>\r\n";

// The bare LFs, the link after </body>, the unquoted "_balnk" and the anchor
// that is never closed are kept as earlier reports have them: browsers render
// them, and old and new reports stay comparable byte for byte.
constexpr std::string_view htmlHeader =
    "<html>\n<body>\n<table border=1>\r\n  <tr>\r\n    <td>Имя файла</td> <td>Количество символов "
    "комментариев</td> <td>Размер файла</td> <td>Количество комментариев</td>    <td>Количество "
    "строк кода</td> <td>Количество слов fixme</td>    <td>Количество слов todo</td></tr>\r\n";

std::string htmlFooter() {
  return std::string("</table>\r\n</body><br><a href=\"") + homePageAddress +
         "\" target=_balnk>Quillstat страница программы\r\n</html>\r\n";
}

struct formatParts {
  std::string header;
  std::string footer;
  blockFormat blocks;
  unmappable policy;
};

formatParts partsOf(reportFormat format) {
  switch (format) {
    case reportFormat::xml:
      return {std::string(xmlHeader), std::string(xmlFooter), {formatXmlRecord, formatXmlTotal},
              unmappable::characterReference};
    case reportFormat::html:
      return {std::string(htmlHeader), htmlFooter(), {formatHtmlRecord, formatHtmlTotal},
              unmappable::characterReference};
    case reportFormat::txt:
      break;
  }
  return {"", "", textBlocks, unmappable::questionMark};
}

// Writes the Windows-1251 text gathered in `chunk` to `file`; on failure sets
// *error to the reason.
bool writeChunk(reportFile& file, std::string* chunk, ioError* error) {
  if (!file.write(chunk->data(), chunk->size(), error)) return false;
  chunk->clear();  // keeps the capacity for the next chunk
  return true;
}

bool writeAll(reportFile& file, const formatParts& parts, const analysisResult& result,
              ioError* error) {
  std::string chunk;
  chunk.reserve(chunkSize + 4096);
  std::string block;  // UTF-8, reused so that a record costs no allocation

  appendWindows1251(parts.header, parts.policy, &chunk);
  const reportBlocks blocks(result);
  for (size_t i = 0; i < blocks.size(); ++i) {
    block.clear();
    blocks.append(i, parts.blocks, &block);
    appendWindows1251(block, parts.policy, &chunk);
    if (chunk.size() >= chunkSize && !writeChunk(file, &chunk, error)) return false;
  }
  appendWindows1251(parts.footer, parts.policy, &chunk);
  return writeChunk(file, &chunk, error);
}

}  // namespace

bool writeReport(const std::string& outputPath, reportFormat format, const analysisResult& result,
                 ioError* error) {
  reportFile file;
  return file.open(outputPath, error) && writeAll(file, partsOf(format), result, error) &&
         file.commit(error);
}

}  // namespace quillstat
