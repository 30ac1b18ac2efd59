#include "ui/gui/result_tabs.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QTableView>
#include <climits>

#include "analysis/languages.h"
#include "ui/gui/figures_table.h"
#include "ui/gui/summary_view.h"

namespace quillstat {

namespace {

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// The words, one a row: where it stands ("path:line:column"), which word,
// the text of its line.
class resultTabs::wordsTable : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void showWords(const std::vector<todoItem>* words, std::string_view root) {
    beginResetModel();
    words_ = words;
    root_ = root;
    endResetModel();
  }

  const todoItem& word(int row) const { return (*words_)[static_cast<size_t>(row)]; }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() || words_ == nullptr ? 0 : static_cast<int>(words_->size());
  }
  int columnCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : 3;
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) return {};
    const todoItem& item = word(index.row());
    switch (index.column()) {
      case 0:
        return QStringLiteral("%1:%2:%3")
            .arg(fromUtf8(underRoot(item.path, root_)))
            .arg(item.line)
            .arg(item.column);
      case 1: return QString::fromUtf8(wordName(item.kind));
      default: return fromUtf8(item.text);
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const headers[] = {"Место", "Слово", "Текст"};
    return section >= 0 && section < 3 ? QString::fromUtf8(headers[section]) : QVariant();
  }

 private:
  const std::vector<todoItem>* words_ = nullptr;
  std::string_view root_;
};

resultTabs::resultTabs(QWidget* parent)
    : QTabWidget(parent),
      summary_(new summaryView(this)),
      files_(new figuresTable(QStringLiteral("Файл"), true, this)),
      languages_(new figuresTable(QStringLiteral("Язык"), false, this)),
      directories_(new figuresTable(QStringLiteral("Каталог"), false, this)),
      words_(new wordsTable(this)) {
  summary_->setObjectName(QStringLiteral("resultBox"));
  addTab(summary_, QStringLiteral("Сводка"));
  addTable(files_, "filesTable", QStringLiteral("Файлы"));
  addTable(languages_, "languagesTable", QStringLiteral("Языки"));
  addTable(directories_, "directoriesTable", QStringLiteral("Каталоги"));
  QTableView* words = addTable(words_, "todoTable", QStringLiteral("todo и fixme"));
  words->setSortingEnabled(false);
  words->horizontalHeader()->setStretchLastSection(true);
  connect(words, &QTableView::activated, this, &resultTabs::openWord);

  // Room for a summary block's widest line and two blocks and a half.
  const QFontMetrics metrics(summary_->font());
  summary_->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('x')) * 72,
                           metrics.lineSpacing() * 18);
}

resultTabs::~resultTabs() = default;

QTableView* resultTabs::addTable(QAbstractItemModel* model, const char* name,
                                 const QString& label) {
  auto* table = new QTableView(this);
  table->setObjectName(QLatin1String(name));
  table->setModel(model);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  // Rows of one height, a line's, are laid out without measuring each.
  table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().lineSpacing() + 6);
  // No column is sorted until the user asks: the rows keep the walk's order.
  table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->setSortingEnabled(true);
  addTab(table, label);
  return table;
}

void resultTabs::showResult(const analysisResult& result, const reportContent& content) {
  summary_->showResult(result, content);
  const std::string_view root = result.root;

  std::vector<figuresRow> files;
  files.reserve(result.records.size());
  for (const fileRecord& record : result.records) {
    const char* language =
        record.language < languageCount ? languageName(record.language) : nullptr;
    files.push_back({underRoot(record.stats.filename, root), language, &record.stats});
  }
  files_->showRows(std::move(files), content.lineFigures);

  languageTotals_ = languageTotalsOf(result);
  std::vector<figuresRow> languages;
  for (const languageTotal& total : languageTotals_) {
    languages.push_back({languageName(total.language), nullptr, &total.figures});
  }
  languages_->showRows(std::move(languages), content.lineFigures);

  // A single file has no root to count directories below.
  directoryTotals_.clear();
  if (result.fromDirectory && !root.empty()) directoryTotals_ = directoryTotalsOf(result, INT_MAX);
  std::vector<figuresRow> directories;
  for (const directoryTotal& total : directoryTotals_) {
    directories.push_back({underRoot(total.path, root), nullptr, &total.figures});
  }
  directories_->showRows(std::move(directories), content.lineFigures);

  words_->showWords(&result.todos, root);
  for (QTableView* table : findChildren<QTableView*>()) {
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->resizeColumnsToContents();
  }
}

void resultTabs::showNote(const QString& note) {
  summary_->showNote(note);
  files_->showRows({}, false);
  languages_->showRows({}, false);
  directories_->showRows({}, false);
  words_->showWords(nullptr, {});
  languageTotals_.clear();
  directoryTotals_.clear();
}

void resultTabs::openWord(const QModelIndex& index) {
  const todoItem& item = words_->word(index.row());
  emit openWordRequested(fromUtf8(item.path), item.line);
}

}  // namespace quillstat
