#include "ui/gui/format_saving.h"

namespace quillstat {

// A switch rather than a table indexed by the codes, so that a format added
// without its texts here is a compiler warning (-Wswitch), not a wrong row.
const formatSaving& savingOf(reportFormat format) {
  static constexpr formatSaving txt{"текстовый файл", "coment.txt", "Текстовые файлы (*.txt)"};
  static constexpr formatSaving xml{"XML файл", "coment.xml", "Файлы XML (*.xml)"};
  static constexpr formatSaving html{"HTML файл", "coment.html", "Веб-файлы (*.html *.htm)"};
  static constexpr formatSaving json{"JSON файл", "coment.json", "Файлы JSON (*.json)"};
  static constexpr formatSaving csv{"CSV файл", "coment.csv", "Файлы CSV (*.csv)"};
  static constexpr formatSaving dashboard{"панель HTML", "coment-dashboard.html",
                                          "Веб-файлы (*.html *.htm)"};
  switch (format) {
    case reportFormat::txt: return txt;
    case reportFormat::xml: return xml;
    case reportFormat::html: return html;
    case reportFormat::json: return json;
    case reportFormat::csv: return csv;
    case reportFormat::dashboard: return dashboard;
  }
  return txt;  // not reached: the switch names every format
}

}  // namespace quillstat
