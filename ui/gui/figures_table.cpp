#include "ui/gui/figures_table.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "report/figures.h"

namespace quillstat {

namespace {

// A column of figures: a count or a share in percent.
struct figureColumn {
  const char* header;
  bool lineFigure;  // shown with the line figures only
  int64_t (*count)(const fileStats& s);
  double (*percent)(const fileStats& s);
};

// The line figures come last, so that the others keep their places.
constexpr figureColumn kFigureColumns[] = {
    {"Размер", false, [](const fileStats& s) { return s.sizeFile; }, nullptr},
    {"Символов комментариев", false, [](const fileStats& s) { return s.countCommentChars; },
     nullptr},
    {"% комментариев", false, nullptr, commentPercent},
    {"Комментариев", false, [](const fileStats& s) { return s.countOfComment; }, nullptr},
    {"todo", false, [](const fileStats& s) { return s.todoWordsCount; }, nullptr},
    {"fixme", false, [](const fileStats& s) { return s.fixmeWordsCount; }, nullptr},
    {"Строк", true, [](const fileStats& s) { return s.lines; }, nullptr},
    {"Пустых строк", true, [](const fileStats& s) { return s.blankLines; }, nullptr},
    {"Строк комментариев", true, [](const fileStats& s) { return s.commentLines; }, nullptr},
    {"Строк кода", true, [](const fileStats& s) { return s.codeLines; }, nullptr},
    {"% строк комментариев", true, nullptr, commentLineDensity},
    {"Документирующих комментариев", true, [](const fileStats& s) { return s.docComments; },
     nullptr},
    {"Строк документирующих комментариев", true,
     [](const fileStats& s) { return s.docCommentLines; }, nullptr},
};

constexpr int kPlainFigureColumns = 6;

}  // namespace

std::string_view underRoot(std::string_view path, std::string_view root) {
  return path.starts_with(root) ? path.substr(root.size()) : path;
}

figuresTable::figuresTable(const QString& nameHeader, bool languageColumn, QObject* parent)
    : QAbstractTableModel(parent), nameHeader_(nameHeader), languageColumn_(languageColumn) {}

void figuresTable::showRows(std::vector<figuresRow> rows, bool lineFigures) {
  beginResetModel();
  rows_ = std::move(rows);
  lineFigures_ = lineFigures;
  order_.resize(rows_.size());
  std::iota(order_.begin(), order_.end(), size_t{0});
  endResetModel();
}

int figuresTable::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int figuresTable::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return nameColumns() + (lineFigures_ ? static_cast<int>(std::size(kFigureColumns))
                                       : kPlainFigureColumns);
}

QVariant figuresTable::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const figuresRow& row = rows_[order_[static_cast<size_t>(index.row())]];
  const int column = index.column();
  if (column < nameColumns()) {
    if (role != Qt::DisplayRole) return {};
    if (column == 0) {
      return QString::fromUtf8(row.name.data(), static_cast<qsizetype>(row.name.size()));
    }
    return QString::fromUtf8(row.language != nullptr ? row.language : "");
  }
  const figureColumn& figure = kFigureColumns[column - nameColumns()];
  if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  if (figure.count != nullptr) return QString::number(figure.count(*row.figures));
  return QString::number(figure.percent(*row.figures), 'f', 2);
}

QVariant figuresTable::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const bool figure = section >= nameColumns();
  // A first click on a figure shows the largest first.
  if (role == Qt::InitialSortOrderRole) return figure ? Qt::DescendingOrder : Qt::AscendingOrder;
  if (role != Qt::DisplayRole) return {};
  if (section == 0) return nameHeader_;
  if (!figure) return QStringLiteral("Язык");
  return QString::fromUtf8(kFigureColumns[section - nameColumns()].header);
}

std::partial_ordering figuresTable::compare(int column, const figuresRow& a,
                                            const figuresRow& b) const {
  if (column == 0) return a.name <=> b.name;
  if (column < nameColumns()) {
    return std::string_view(a.language != nullptr ? a.language : "") <=>
           std::string_view(b.language != nullptr ? b.language : "");
  }
  const figureColumn& figure = kFigureColumns[column - nameColumns()];
  if (figure.count != nullptr) return figure.count(*a.figures) <=> figure.count(*b.figures);
  return figure.percent(*a.figures) <=> figure.percent(*b.figures);
}

void figuresTable::sort(int column, Qt::SortOrder order) {
  if (column >= columnCount()) return;
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<size_t> rowsBefore;
  for (const QModelIndex& index : before) rowsBefore.push_back(order_[index.row()]);

  std::iota(order_.begin(), order_.end(), size_t{0});
  if (column >= 0) {
    const bool descending = order == Qt::DescendingOrder;
    std::stable_sort(order_.begin(), order_.end(), [&](size_t x, size_t y) {
      const std::partial_ordering c = compare(column, rows_[x], rows_[y]);
      return descending ? c > 0 : c < 0;
    });
  }

  // A selection follows its rows.
  std::vector<int> placeOf(order_.size());
  for (size_t shown = 0; shown < order_.size(); ++shown) {
    placeOf[order_[shown]] = static_cast<int>(shown);
  }
  QModelIndexList after;
  for (qsizetype i = 0; i < before.size(); ++i) {
    after.append(index(placeOf[rowsBefore[static_cast<size_t>(i)]], before[i].column()));
  }
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace quillstat
