#include "ui/gui/summary_view.h"

#include <QAbstractListModel>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "report/block_formatters.h"
#include "report/report_blocks.h"
#include "report/utf8.h"

namespace quillstat {

namespace {

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
  void showResult(const analysisResult& result, const reportContent& content,
                  const QFontMetrics& metrics, int margin) {
    beginResetModel();
    result_ = &result;
    blocks_.emplace(result, content);
    note_.clear();
    // Blocks differ in length (the skipped files' is short), so each one's
    // first row is kept. Past INT_MAX rows a view cannot go: some 268 million files.
    blockStarts_.clear();
    blockStarts_.reserve(blocks_->size());
    size_t rows = 0;
    for (size_t i = 0; i < blocks_->size() && rows < INT_MAX; ++i) {
      blockStarts_.push_back(static_cast<int>(rows));
      rows += static_cast<size_t>(textLineCount(blocks_->block(i)));
    }
    rows_ = static_cast<int>(std::min<size_t>(rows, INT_MAX));
    cachedBlock_ = SIZE_MAX;
    lineSize_ = QSize();
    if (rows_ > 0) lineSize_ = QSize(widestLine(metrics) + 2 * margin, metrics.lineSpacing());
    endResetModel();
  }

  void showNote(const QString& note) {
    beginResetModel();
    result_ = nullptr;
    blocks_.reset();
    blockStarts_.clear();
    note_ = note;
    rows_ = note.isEmpty() ? 0 : 1;
    lineSize_ = QSize();
    endResetModel();
  }

  // The line of `row` as formatted, line breaks of a name included.
  QString line(int row) const {
    if (result_ == nullptr) return note_;
    const auto after = std::upper_bound(blockStarts_.begin(), blockStarts_.end(), row);
    const size_t number = static_cast<size_t>(after - blockStarts_.begin()) - 1;
    const QStringList& lines = block(number);
    const int at = row - blockStarts_[number];
    return at < lines.size() ? lines[at] : QString();
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
  // blocks after the records (the total, the skipped files, the languages),
  // or of the only record: a record's counters are no larger than the
  // total's, and its ratios print shorter than the total's line of sizes,
  // so none of its figure lines is wider.
  int widestLine(const QFontMetrics& metrics) const {
    int width = 0;
    const size_t records = result_->records.size();
    for (size_t i = result_->fromDirectory ? records : 0; i < blockStarts_.size(); ++i) {
      for (const QString& line : block(i)) {
        width = std::max(width, metrics.horizontalAdvance(shownLine(line)));
      }
    }
    std::optional<size_t> longest;
    size_t longestLength = 0;
    for (size_t i = 0; i < records; ++i) {
      const std::string& name = result_->records[i].stats.filename;
      if (name.size() <= longestLength) continue;  // no more code points than bytes
      const size_t length = codePointCount(name);
      if (length > longestLength) {
        longest = i;
        longestLength = length;
      }
    }
    if (longest) {
      std::string line;
      appendTextLine(blocks_->block(*longest), 0, &line);
      width = std::max(width, metrics.horizontalAdvance(shownLine(QString::fromUtf8(line))));
    }
    return width;
  }

  // The lines of block `number`, as the text report writes them.
  const QStringList& block(size_t number) const {
    if (number != cachedBlock_) {
      const reportBlock block = blocks_->block(number);
      cachedLines_.clear();
      std::string line;
      for (int i = 0; i < textLineCount(block); ++i) {
        line.clear();
        appendTextLine(block, i, &line);
        cachedLines_.append(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
      }
      cachedBlock_ = number;
    }
    return cachedLines_;
  }

  const analysisResult* result_ = nullptr;  // null: the note, if any, is shown
  std::optional<reportBlocks> blocks_;
  std::vector<int> blockStarts_;  // the first row of each block shown
  QString note_;
  int rows_ = 0;
  QSize lineSize_;
  // The block formatted last: a view asks for its lines one after another.
  mutable size_t cachedBlock_ = SIZE_MAX;
  mutable QStringList cachedLines_;
};

summaryView::summaryView(QWidget* parent) : QListView(parent), lines_(new lines(this)) {
  setModel(lines_);
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

summaryView::~summaryView() = default;

void summaryView::showResult(const analysisResult& result, const reportContent& content) {
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  lines_->showResult(result, content, fontMetrics(), margin);
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
