#ifndef QUILLSTAT_UI_GUI_ANALYSIS_RUNNER_H_
#define QUILLSTAT_UI_GUI_ANALYSIS_RUNNER_H_

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "analysis/analysis_manager.h"

class QProgressBar;
class QProgressDialog;
class QWidget;

namespace quillstat {

// Runs one analysis at a time on a worker thread, so that the window keeps
// painting, while a progress dialog modal to the owner counts the files.
// The dialog appears only when the work lasts longer than a blink.
class analysisRunner : public QObject {
  Q_OBJECT

 public:
  // The work to run. The progress callback it receives may be called from
  // any thread, any number of times.
  using task = std::function<void(const analysisManager::progressCallback& progress)>;

  explicit analysisRunner(QWidget* owner);
  // Waits for a running task, which may still use what the owner holds.
  ~analysisRunner() override;

  // Starts `work`, with `label` at the head of the progress dialog. Returns
  // false, starting nothing, while another task runs.
  bool start(const QString& label, task work);
  bool running() const { return running_; }

 signals:
  // The task has returned. Emitted on the owner's thread; everything the task
  // wrote is visible to the receivers.
  void finished();

 private:
  struct progressCounts;

  void showDialog();
  void showProgress();
  void finish();

  QWidget* owner_;
  QFutureWatcher<void> watcher_;
  QTimer pollTimer_;
  QTimer showTimer_;
  QPointer<QProgressDialog> dialog_;
  QProgressBar* bar_ = nullptr;  // owned by dialog_
  QString label_;
  std::shared_ptr<progressCounts> counts_;
  bool running_ = false;
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_ANALYSIS_RUNNER_H_
