#ifndef QUILLSTAT_UI_GUI_RESULT_TABS_H_
#define QUILLSTAT_UI_GUI_RESULT_TABS_H_

#include <QTabWidget>
#include <vector>

#include "analysis/analysis_result.h"
#include "report/report_settings.h"

class QAbstractItemModel;
class QTableView;

namespace quillstat {

class figuresTable;
class summaryView;

// What the window shows of an analysis, a tab each: the summary (the text
// report's blocks), the files, the totals of each language and of each
// directory, and the todo and fixme words. The tables sort by a click on a
// column's head; a double click (or Enter) on a word asks to open its file
// at its line.
class resultTabs : public QTabWidget {
  Q_OBJECT

 public:
  explicit resultTabs(QWidget* parent = nullptr);
  ~resultTabs() override;

  // Shows `result`, its summary with `content`. The tabs read `result`
  // whenever they paint: it must stay alive and unchanged until the next
  // call of showResult, showNote or clear.
  void showResult(const analysisResult& result, const reportContent& content);
  // Shows `note` as the summary's only line, and empty tables.
  void showNote(const QString& note);
  void clear() { showNote(QString()); }

 signals:
  // The user asked to see the word at `line` (from 1; 0 when unknown) of
  // the file at `path`.
  void openWordRequested(const QString& path, qint64 line);

 private:
  class wordsTable;

  QTableView* addTable(QAbstractItemModel* model, const char* name, const QString& label);
  void openWord(const QModelIndex& index);

  summaryView* summary_;
  figuresTable* files_;
  figuresTable* languages_;
  figuresTable* directories_;
  wordsTable* words_;
  std::vector<languageTotal> languageTotals_;
  std::vector<directoryTotal> directoryTotals_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_RESULT_TABS_H_
