#include "ui/gui/summary_view.h"

#include <QAbstractListModel>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>

#include "report/block_formatters.h"
#include "report/report_blocks.h"
#include "report/utf8.h"

namespace quillstat {

namespace {

using blockLines = std::array<QString, textBlockLineCount>;

// The lines of block `number`, as the text report writes them.
blockLines linesOf(const reportBlocks& blocks, size_t number) {
  blockLines lines;
  std::string line;
  for (int i = 0; i < textBlockLineCount; ++i) {
    line.clear();
    appendTextLine(blocks.figures(number), blocks.isTotal(number), i, &line);
    lines[i] = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  }
  return lines;
}

// A row shows one line: line breaks inside a name are drawn as their symbols.
QString shownLine(QString line) {
  line.replace(QLatin1Char('\r'), QChar(0x240D));
  line.replace(QLatin1Char('\n'), QChar(0x2424));
  return line;
}

}  // namespace

// The rows of the view, formatted when asked for.
class summaryView::lines : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  // `margin` is what the item delegate keeps on either side of a line.
  void showResult(const analysisResult& result, const QFontMetrics& metrics, int margin) {
    beginResetModel();
    result_ = &result;
    blocks_.emplace(result);
    note_.clear();
    // Past INT_MAX rows a view cannot go: some 268 million files.
    rows_ = static_cast<int>(std::min<size_t>(blocks_->size() * textBlockLineCount, INT_MAX));
    cachedBlock_ = SIZE_MAX;
    lineSize_ = QSize();
    if (rows_ > 0) lineSize_ = QSize(widestLine(metrics) + 2 * margin, metrics.lineSpacing());
    endResetModel();
  }

  void showNote(const QString& note) {
    beginResetModel();
    result_ = nullptr;
    blocks_.reset();
    note_ = note;
    rows_ = note.isEmpty() ? 0 : 1;
    lineSize_ = QSize();
    endResetModel();
  }

  // The line of `row` as formatted, line breaks of a name included.
  QString line(int row) const {
    if (result_ == nullptr) return note_;
    return block(static_cast<size_t>(row) / textBlockLineCount)[row % textBlockLineCount];
  }

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rows_) return {};
    if (role == Qt::DisplayRole) return shownLine(line(index.row()));
    // Every row of the records has the one size, so the view measures none.
    if (role == Qt::SizeHintRole && lineSize_.isValid()) return lineSize_;
    return {};
  }

 private:
  // The widest line is the name line of the longest name or a line of the
  // last block (the total, or the only record): a record's counters are no
  // larger than the total's, and its two ratios print shorter than the
  // total's line of sizes, so none of its figure lines is wider.
  int widestLine(const QFontMetrics& metrics) const {
    int width = 0;
    for (const QString& line : block(static_cast<size_t>(rows_ - 1) / textBlockLineCount)) {
      width = std::max(width, metrics.horizontalAdvance(shownLine(line)));
    }
    const fileStats* longest = nullptr;
    size_t longestLength = 0;
    for (const fileStats& stats : result_->records) {
      if (stats.filename.size() <= longestLength) continue;  // no more code points than bytes
      const size_t length = codePointCount(stats.filename);
      if (length > longestLength) {
        longest = &stats;
        longestLength = length;
      }
    }
    if (longest != nullptr) {
      std::string line;
      appendTextLine(*longest, false, 0, &line);
      width = std::max(width, metrics.horizontalAdvance(shownLine(QString::fromUtf8(line))));
    }
    return width;
  }

  const blockLines& block(size_t number) const {
    if (number != cachedBlock_) {
      cachedLines_ = linesOf(*blocks_, number);
      cachedBlock_ = number;
    }
    return cachedLines_;
  }

  const analysisResult* result_ = nullptr;  // null: the note, if any, is shown
  std::optional<reportBlocks> blocks_;
  QString note_;
  int rows_ = 0;
  QSize lineSize_;
  // The block formatted last: a view asks for its lines one after another.
  mutable size_t cachedBlock_ = SIZE_MAX;
  mutable blockLines cachedLines_;
};

summaryView::summaryView(QWidget* parent) : QListView(parent), lines_(new lines(this)) {
  setModel(lines_);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

summaryView::~summaryView() = default;

void summaryView::showResult(const analysisResult& result) {
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  lines_->showResult(result, fontMetrics(), margin);
}

void summaryView::showNote(const QString& note) { lines_->showNote(note); }

void summaryView::clear() { lines_->showNote(QString()); }

QString summaryView::selectedText() const {
  std::vector<int> rows;
  for (const QItemSelectionRange& range : selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  QStringList text;
  text.reserve(static_cast<qsizetype>(rows.size()));
  for (int row : rows) text.append(lines_->line(row));
  return text.join(QLatin1Char('\n'));
}

void summaryView::keyPressEvent(QKeyEvent* event) {
  // The list's own copy takes the current line only.
  if (event->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(selectedText());
    event->accept();
    return;
  }
  QListView::keyPressEvent(event);
}

}  // namespace quillstat
