#include "report/report_writer.h"

#include <string_view>

#include "report/block_formatters.h"
#include "report/csv_report.h"
#include "report/dashboard.h"
#include "report/home_page.h"
#include "report/json_report.h"
#include "report/report_blocks.h"
#include "report/report_file.h"
#include "report/utf8.h"
#include "report/windows1251.h"

namespace quillstat {

namespace {

// The output goes to the file in pieces of about this size: one system call
// per piece rather than per block, and memory that does not grow with the
// number of records.
constexpr size_t chunkSize = 64 * 1024;

std::string xmlHeader(textEncoding encoding) {
  return std::string("<?xml version='1.0' encoding='") +
         (encoding == textEncoding::utf8 ? "UTF-8" : "WINDOWS-1251") + "'?>\r\n<main>\r\n";
}
constexpr std::string_view xmlFooter = "</main>\r\n";

// The bare LFs, the link after </body>, the unquoted "_balnk" and the anchor
// that is never closed are kept as earlier reports have them: browsers render
// them, and old and new reports stay comparable byte for byte. Browsers
// guess the Windows-1251 of the classic report; a UTF-8 one says what it is.
std::string htmlHeader(const reportSettings& settings) {
  std::string header = settings.encoding == textEncoding::utf8
                           ? "<html>\n<head><meta charset=\"utf-8\"></head>\n<body>\n"
                           : "<html>\n<body>\n";
  header += "<table border=1>\r\n";
  appendHtmlHeaderRow(settings.content, &header);
  return header;
}

std::string htmlFooter() {
  return std::string("</table>\r\n</body><br><a href=\"") + homePageAddress +
         "\" target=_balnk>Quillstat страница программы\r\n</html>\r\n";
}

}  // namespace

struct formatParts {
  std::string header;
  std::string footer;
  blockFormatter blocks;
  textEncoding encoding;
  unmappable policy;  // for Windows-1251
};

namespace {

formatParts textParts(const reportSettings& settings, const analysisResult&) {
  return {"", "", formatTextBlock, settings.encoding, unmappable::questionMark};
}

formatParts xmlParts(const reportSettings& settings, const analysisResult&) {
  return {xmlHeader(settings.encoding), std::string(xmlFooter), formatXmlBlock,
          settings.encoding, unmappable::characterReference};
}

formatParts htmlParts(const reportSettings& settings, const analysisResult&) {
  return {htmlHeader(settings), htmlFooter(), formatHtmlBlock, settings.encoding,
          unmappable::characterReference};
}

formatParts jsonParts(const reportSettings& settings, const analysisResult& result) {
  return {jsonHeader(settings), jsonFooter(result, settings), formatJsonBlock,
          textEncoding::utf8, unmappable::questionMark};
}

formatParts csvParts(const reportSettings& settings, const analysisResult& result) {
  return {csvHeader(settings.content), csvFooter(result, settings.content), formatCsvBlock,
          textEncoding::utf8,
          unmappable::questionMark};
}

// Appends the UTF-8 `text` to *out in the report's encoding.
void encode(std::string_view text, const formatParts& parts, std::string* out) {
  if (parts.encoding == textEncoding::utf8) {
    appendValidUtf8(text, out);
  } else {
    appendWindows1251(text, parts.policy, out);
  }
}

// Writes the encoded text gathered in `chunk` to `file`; on failure sets
// *error to the reason.
bool writeChunk(reportFile& file, std::string* chunk, ioError* error) {
  if (!file.write(chunk->data(), chunk->size(), error)) return false;
  chunk->clear();  // keeps the capacity for the next chunk
  return true;
}

bool writeAll(reportFile& file, const formatParts& parts, const analysisResult& result,
              const reportContent& content, ioError* error) {
  std::string chunk;
  chunk.reserve(chunkSize + 4096);
  std::string block;  // UTF-8, reused so that a record costs no allocation

  encode(parts.header, parts, &chunk);
  const reportBlocks blocks(result, content);
  for (size_t i = 0; i < blocks.size(); ++i) {
    block.clear();
    parts.blocks(blocks.block(i), &block);
    encode(block, parts, &chunk);
    if (chunk.size() >= chunkSize && !writeChunk(file, &chunk, error)) return false;
  }
  encode(parts.footer, parts, &chunk);
  return writeChunk(file, &chunk, error);
}

}  // namespace

const reportFormatRow reportFormats[reportFormatCount] = {
    {reportFormat::txt, "txt", textParts},
    {reportFormat::xml, "xml", xmlParts},
    {reportFormat::html, "html", htmlParts},
    {reportFormat::json, "json", jsonParts},
    {reportFormat::csv, "csv", csvParts},
    {reportFormat::dashboard, "dashboard", nullptr},
};

bool writeReport(const std::string& outputPath, const reportSettings& settings,
                 const analysisResult& result, ioError* error) {
  reportFile file;
  return file.open(outputPath, error) && writeReport(file, settings, result, error) &&
         file.commit(error);
}

bool writeReport(reportFile& file, const reportSettings& settings, const analysisResult& result,
                 ioError* error) {
  const reportFormatRow& row = rowOf(settings.format);
  return row.parts != nullptr
             ? writeAll(file, row.parts(settings, result), result, settings.content, error)
             : writeDashboard(file, settings, result, error);
}

}  // namespace quillstat
