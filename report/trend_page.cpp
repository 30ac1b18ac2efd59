#include "report/trend_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include "analysis/languages.h"
#include "report/figures.h"
#include "report/utf8.h"

namespace quillstat {

namespace {

constexpr const char* kAllFiles = "all files";
// Colours told apart also by people who cannot tell red from green.
constexpr const char* kColours[] = {"#222222", "#0072b2", "#e69f00", "#009e73", "#cc79a7",
                                    "#56b4e9", "#d55e00", "#f0e442", "#999999", "#8c564b"};
constexpr int kWidth = 800, kHeight = 260, kLeft = 60, kRight = 60, kTop = 20, kBottom = 50;

// The figures each report gives each series, by series name: "all files",
// then the languages in the order they first appear.
struct series {
  std::string name;
  std::vector<std::optional<fileStats>> points;  // one per report; none where it has no such files
};

std::vector<series> seriesOf(const std::vector<trendReport>& reports) {
  std::vector<series> out = {{kAllFiles, {}}};
  for (size_t r = 0; r < reports.size(); ++r) {
    const readReport& report = reports[r].report;
    std::vector<std::pair<std::string, fileStats>> figures = {{kAllFiles, totalOf(report.result)}};
    for (const languageTotal& total : languageTotalsOf(report.result)) {
      figures.push_back({languageName(total.language), total.figures});
    }
    for (auto& [name, stats] : figures) {
      auto at = std::ranges::find(out, name, &series::name);
      if (at == out.end()) at = out.insert(out.end(), {name, {}});
      at->points.resize(r + 1);
      at->points[r] = stats;
    }
  }
  for (series& s : out) s.points.resize(reports.size());
  return out;
}

std::string escape(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string number(double value, bool decimals) {
  std::string out;
  if (decimals) {
    appendSixDecimals(value, &out);
  } else {
    appendInt(static_cast<int64_t>(value), &out);
  }
  return out;
}

// A mark of a scale: a whole number as one, else to a tenth ("2.5", the
// middle of a scale up to 5).
std::string scaleMark(double value) {
  if (value == std::floor(value)) return number(value, false);
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", value);
  return text;
}

// A coordinate of the charts (never negative), to a tenth of a pixel.
std::string coordinate(double v) {
  const long tenths = std::lround(v * 10);
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

// A round top for an axis that reaches `value`: 1, 2 or 5 times a power of ten.
double axisTop(double value) {
  if (value <= 0) return 1;
  const double power = std::pow(10.0, std::floor(std::log10(value)));
  for (double step : {1.0, 2.0, 5.0, 10.0}) {
    if (step * power >= value) return step * power;
  }
  return 10 * power;
}

struct measure {
  const char* id;
  const char* title;
  bool decimals;
  double (*value)(const fileStats&, bool lineFigures);
};

const measure kMeasures[] = {
    {"density", "", true,
     [](const fileStats& s, bool lines) {
       return asShown(lines ? commentLineDensity(s) : commentPercent(s));
     }},
    {"comments", "", false,
     [](const fileStats& s, bool lines) {
       return static_cast<double>(lines ? s.commentLines : s.countOfComment);
     }},
    {"words", "todo and fixme words", false,
     [](const fileStats& s, bool) {
       return static_cast<double>(s.todoWordsCount + s.fixmeWordsCount);
     }},
};

const char* titleOf(const measure& m, bool lineFigures) {
  if (m.title[0] != '\0') return m.title;
  if (m.id == std::string_view("density")) {
    return lineFigures ? "comment-line density, %" : "comment share, %";
  }
  return lineFigures ? "comment lines" : "comments";
}

void appendChart(const measure& m, const std::vector<series>& all,
                 const std::vector<trendReport>& reports, bool lineFigures, std::string* out) {
  double highest = 0;
  for (const series& s : all) {
    for (const auto& point : s.points) {
      if (point) highest = std::max(highest, m.value(*point, lineFigures));
    }
  }
  const double top = axisTop(highest);
  const int plotWidth = kWidth - kLeft - kRight;
  const int plotHeight = kHeight - kTop - kBottom;
  auto x = [&](size_t i) {
    return reports.size() < 2 ? kLeft + plotWidth / 2.0
                              : kLeft + plotWidth * static_cast<double>(i) / (reports.size() - 1);
  };
  auto y = [&](double v) { return kTop + plotHeight * (1 - v / top); };

  *out += "<section><h2>" + std::string(titleOf(m, lineFigures)) + "</h2>\n<svg id=\"chart-" +
          m.id + "\" width=\"" + std::to_string(kWidth) + "\" height=\"" +
          std::to_string(kHeight) + "\" viewBox=\"0 0 " + std::to_string(kWidth) + " " +
          std::to_string(kHeight) + "\" role=\"img\">\n";
  // The axes, the top and the middle of the scale, the labels.
  for (double v : {0.0, top / 2, top}) {
    *out += "<line class=\"grid\" x1=\"" + std::to_string(kLeft) + "\" x2=\"" +
            std::to_string(kWidth - kRight) + "\" y1=\"" + coordinate(y(v)) + "\" y2=\"" +
            coordinate(y(v)) + "\"/><text class=\"scale\" x=\"" + std::to_string(kLeft - 6) +
            "\" y=\"" + coordinate(y(v) + 4) + "\">" + scaleMark(v) + "</text>\n";
  }
  for (size_t i = 0; i < reports.size(); ++i) {
    *out += "<text class=\"label\" x=\"" + coordinate(x(i)) + "\" y=\"" +
            std::to_string(kHeight - kBottom + 18) + "\">" + escape(reports[i].label) +
            "</text>\n";
  }
  for (size_t k = 0; k < all.size(); ++k) {
    const series& s = all[k];
    const std::string colour = kColours[k % std::size(kColours)];
    std::string path;
    std::string points;
    for (size_t i = 0; i < s.points.size(); ++i) {
      if (!s.points[i]) continue;
      const double v = m.value(*s.points[i], lineFigures);
      path += (path.empty() ? "" : " ") + coordinate(x(i)) + "," + coordinate(y(v));
      points += "<circle cx=\"" + coordinate(x(i)) + "\" cy=\"" + coordinate(y(v)) +
                "\" r=\"3.5\" fill=\"" + colour + "\" data-series=\"" + escape(s.name) +
                "\" data-label=\"" + escape(reports[i].label) + "\" data-value=\"" +
                number(v, m.decimals) + "\"><title>" + escape(s.name) + ", " +
                escape(reports[i].label) + ": " + number(v, m.decimals) + "</title></circle>\n";
    }
    *out += "<polyline fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" +
            (k == 0 ? "3" : "1.5") + "\" data-series=\"" + escape(s.name) + "\" points=\"" +
            path + "\"/>\n" + points;
  }
  *out += "</svg></section>\n";
}

}  // namespace

std::string trendPage(const std::vector<trendReport>& reports) {
  const bool lineFigures = std::ranges::all_of(reports, [](const trendReport& r) {
    return showsLineFigures(r.report.rules);
  });
  const std::vector<series> all = seriesOf(reports);
  std::string page =
      "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">\n"
      "<title>Quillstat trend</title>\n<style>\n"
      "body{font:14px system-ui,sans-serif;margin:24px;color:#1d2430}\n"
      "h2{font-size:16px;margin:24px 0 4px}\n"
      ".grid{stroke:#d8dde5}.scale{text-anchor:end;font-size:11px;fill:#5d6675}\n"
      ".label{text-anchor:middle;font-size:11px;fill:#5d6675}\n"
      ".legend span{display:inline-block;margin-right:14px}"
      ".legend i{display:inline-block;width:14px;height:4px;margin-right:4px;vertical-align:middle}\n"
      "table{border-collapse:collapse;margin-top:8px}td,th{border:1px solid #d8dde5;"
      "padding:3px 8px}td+td{text-align:right}\n</style></head>\n<body>\n"
      "<h1>Comments over " + std::to_string(reports.size()) + " reports</h1>\n<p class=\"legend\">";
  for (size_t k = 0; k < all.size(); ++k) {
    page += "<span><i style=\"background:" + std::string(kColours[k % std::size(kColours)]) +
            "\"></i>" + escape(all[k].name) + "</span>";
  }
  page += "</p>\n";
  for (const measure& m : kMeasures) appendChart(m, all, reports, lineFigures, &page);
  page += "<h2>Figures</h2>\n<table id=\"figures\"><tr><th>report</th><th>series</th>";
  for (const measure& m : kMeasures) page += "<th>" + std::string(titleOf(m, lineFigures)) + "</th>";
  page += "</tr>\n";
  for (size_t i = 0; i < reports.size(); ++i) {
    for (const series& s : all) {
      if (!s.points[i]) continue;
      page += "<tr><td>" + escape(reports[i].label) + "</td><td>" + escape(s.name) + "</td>";
      for (const measure& m : kMeasures) {
        page += "<td>" + number(m.value(*s.points[i], lineFigures), m.decimals) + "</td>";
      }
      page += "</tr>\n";
    }
  }
  page += "</table>\n</body></html>\n";
  std::string out;
  appendValidUtf8(page, &out);
  return out;
}

}  // namespace quillstat
