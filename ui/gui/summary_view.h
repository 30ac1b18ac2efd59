#ifndef QUILLSTAT_UI_GUI_SUMMARY_VIEW_H_
#define QUILLSTAT_UI_GUI_SUMMARY_VIEW_H_

#include <QListView>

#include "analysis/analysis_result.h"

namespace quillstat {

// The summary of an analysis, one text line per row: the blocks of its text
// report (report_blocks.h), line by line as appendTextLine writes them. Only
// the rows in sight are formatted and laid out, so a tree of a hundred
// thousand files costs no more to show than a single file. Rows are
// selectable; Ctrl+C copies the selected lines.
class summaryView : public QListView {
  Q_OBJECT

 public:
  explicit summaryView(QWidget* parent = nullptr);
  ~summaryView() override;

  // Shows the blocks of `result`. The view reads `result` whenever it
  // paints: it must stay alive and unchanged until the next call of
  // showResult, showNote or clear.
  void showResult(const analysisResult& result);
  // Shows `note` as the only line.
  void showNote(const QString& note);
  void clear();

  // The selected lines in order, joined with line feeds.
  QString selectedText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class lines;
  lines* lines_;  // owned through the QObject tree
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_SUMMARY_VIEW_H_
