#ifndef QUILLSTAT_UI_GUI_FIGURES_TABLE_H_
#define QUILLSTAT_UI_GUI_FIGURES_TABLE_H_

#include <QAbstractTableModel>
#include <QString>
#include <compare>
#include <string_view>
#include <vector>

#include "engine/file_stats.h"

namespace quillstat {

// One row of a figures table: a file, a language or a directory.
struct figuresRow {
  std::string_view name;
  const char* language;  // the file's language, for a table with that column; may be null
  const fileStats* figures;
};

// `path` as the tables show it: below `root` when it starts with it.
std::string_view underRoot(std::string_view path, std::string_view root);

// A table of figures, a row per figuresRow: the name, the language where the
// table has that column, then the size, the comment characters and their
// share, the comments, todo, fixme and, with the line figures, the lines by
// class and the comment-line density. Sorted by any column, numbers by
// value; ties keep the order the rows were given in, which column -1
// restores.
class figuresTable : public QAbstractTableModel {
 public:
  figuresTable(const QString& nameHeader, bool languageColumn, QObject* parent);

  // Shows `rows` in their order. The names and figures they point to must
  // stay alive and unchanged until the next call.
  void showRows(std::vector<figuresRow> rows, bool lineFigures);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

 private:
  // Column `column`'s value of a against b's.
  std::partial_ordering compare(int column, const figuresRow& a, const figuresRow& b) const;
  int nameColumns() const { return languageColumn_ ? 2 : 1; }

  const QString nameHeader_;
  const bool languageColumn_;
  bool lineFigures_ = false;
  std::vector<figuresRow> rows_;  // as given
  std::vector<size_t> order_;     // the row of rows_ that each shown row is
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_FIGURES_TABLE_H_
