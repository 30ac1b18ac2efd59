#ifndef QUILLSTAT_UI_GUI_ANALYSIS_RUNNER_H_
#define QUILLSTAT_UI_GUI_ANALYSIS_RUNNER_H_

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>

#include "analysis/analysis_manager.h"

class QProgressBar;
class QProgressDialog;
class QWidget;

namespace quillstat {

// Runs one analysis at a time on a worker thread, so that the window keeps
// painting, while a progress dialog counts the files and offers to cancel.
// The dialog appears only when the work lasts longer than a blink, and is
// gone for good once the work has returned.
class analysisRunner : public QObject {
  Q_OBJECT

 public:
  // The work to run; returns whether it completed. The progress callback it
  // receives may be called from any thread, any number of times. The work
  // should end soon once *stop is true (the flag lives as long as the work
  // runs) and then return false.
  using task = std::function<bool(const analysisManager::progressCallback& progress,
                                  const std::atomic<bool>* stop)>;

  explicit analysisRunner(QWidget* owner);
  // Asks a running task to stop and waits for it, since it may still use
  // what the owner holds.
  ~analysisRunner() override;

  // Starts `work`, with `label` at the head of the progress dialog. Returns
  // false, starting nothing, while another task runs.
  bool start(const QString& label, task work);
  bool running() const { return running_; }

  // Asks the running task to stop and hides the progress dialog; finished()
  // follows once the task has returned. Does nothing when no task runs.
  void cancel();

 signals:
  // The task has returned `completed`. Emitted on the owner's thread;
  // everything the task wrote is visible to the receivers.
  void finished(bool completed);

 private:
  struct progressCounts;

  void showDialog();
  void showProgress();
  void finish();

  QWidget* owner_;
  QFutureWatcher<bool> watcher_;
  QTimer pollTimer_;
  QTimer showTimer_;
  QPointer<QProgressDialog> dialog_;
  QProgressBar* bar_ = nullptr;  // owned by dialog_
  QString label_;
  std::shared_ptr<progressCounts> counts_;
  std::atomic<bool> stop_{false};
  bool running_ = false;
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_ANALYSIS_RUNNER_H_
