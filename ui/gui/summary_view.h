#ifndef QUILLSTAT_UI_GUI_SUMMARY_VIEW_H_
#define QUILLSTAT_UI_GUI_SUMMARY_VIEW_H_

#include <QListView>
#include <vector>

#include "engine/file_stats.h"

namespace quillstat {

// The summary of an analysis, one text line per row: each record's block,
// then the total block after a directory analysis, as formatTextRecord and
// formatTextTotal write them. Only the rows in sight are formatted and laid
// out, so a tree of a hundred thousand files costs no more to show than a
// single file. Rows are selectable; Ctrl+C copies the selected lines.
class summaryView : public QListView {
  Q_OBJECT

 public:
  explicit summaryView(QWidget* parent = nullptr);
  ~summaryView() override;

  // Shows the blocks of `records`, and the total block after them when
  // `withTotal`. The view reads `records` whenever it paints: they must
  // stay alive and unchanged until the next call of showRecords, showNote
  // or clear.
  void showRecords(const std::vector<fileStats>& records, bool withTotal);
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
