#include "ui/gui/analysis_runner.h"

#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <climits>

namespace quillstat {

namespace {

// Below this the dialog would only flash.
constexpr int kShowDelayMs = 400;
constexpr int kPollIntervalMs = 100;

int clampToInt(size_t value) { return static_cast<int>(std::min<size_t>(value, INT_MAX)); }

void raiseTo(std::atomic<size_t>* count, size_t value) {
  size_t now = count->load(std::memory_order_relaxed);
  while (now < value && !count->compare_exchange_weak(now, value, std::memory_order_relaxed)) {
  }
}

}  // namespace

// Written by the worker, read by the poll timer: plain atomics, so that no
// signal crosses threads for every file.
struct analysisRunner::progressCounts {
  std::atomic<size_t> done{0};
  std::atomic<size_t> found{0};
};

analysisRunner::analysisRunner(QWidget* owner) : QObject(owner), owner_(owner) {
  pollTimer_.setInterval(kPollIntervalMs);
  showTimer_.setSingleShot(true);
  showTimer_.setInterval(kShowDelayMs);
  connect(&pollTimer_, &QTimer::timeout, this, &analysisRunner::showProgress);
  connect(&showTimer_, &QTimer::timeout, this, &analysisRunner::showDialog);
  connect(&watcher_, &QFutureWatcher<bool>::finished, this, &analysisRunner::finish);
}

analysisRunner::~analysisRunner() {
  stop_.store(true);
  watcher_.waitForFinished();
}

bool analysisRunner::start(const QString& label, task work) {
  if (running_) return false;
  running_ = true;
  label_ = label;
  counts_ = std::make_shared<progressCounts>();
  stop_.store(false);

  // Not modal: the owner disables its own controls while the work runs, and
  // a window blocked by a modal dialog never receives its close button.
  auto* dialog = new QProgressDialog(owner_);
  dialog->setWindowTitle(QStringLiteral("Quillstat"));
  dialog->setWindowModality(Qt::NonModal);
  dialog->setCancelButtonText(QStringLiteral("Отмена"));
  dialog->setAutoClose(false);
  dialog->setAutoReset(false);
  // The bar is driven directly: QProgressDialog::setValue would apply the
  // dialog's own rules for when to show itself.
  bar_ = new QProgressBar(dialog);
  dialog->setBar(bar_);
  bar_->setRange(0, 0);
  dialog->setLabelText(label_);
  dialog->setMinimumWidth(360);
  // The cancel button, the close button and Escape end in canceled(); Escape
  // reaches QDialog::reject() instead when the dialog's window is not active.
  connect(dialog, &QProgressDialog::canceled, this, &analysisRunner::cancel);
  connect(dialog, &QDialog::rejected, this, &analysisRunner::cancel);
  dialog_ = dialog;

  std::shared_ptr<progressCounts> counts = counts_;
  // Workers report at once and out of order; the counts only grow, so the
  // larger one wins.
  analysisManager::progressCallback progress = [counts](size_t done, size_t found, int64_t) {
    raiseTo(&counts->found, found);
    raiseTo(&counts->done, done);
  };
  watcher_.setFuture(QtConcurrent::run(
      [work = std::move(work), progress, stop = &stop_] { return work(progress, stop); }));
  showTimer_.start();
  pollTimer_.start();
  return true;
}

void analysisRunner::cancel() {
  if (!running_) return;
  stop_.store(true);
  showTimer_.stop();
  pollTimer_.stop();
  // Hides the dialog and keeps QProgressDialog's own timer from showing it again.
  if (dialog_) dialog_->cancel();
}

void analysisRunner::showDialog() {
  if (!dialog_) return;
  showProgress();
  dialog_->show();
}

void analysisRunner::showProgress() {
  if (!dialog_) return;
  size_t found = counts_->found.load(std::memory_order_relaxed);
  size_t done = counts_->done.load(std::memory_order_relaxed);
  if (found == 0) return;  // still walking: the bar stays busy
  bar_->setRange(0, clampToInt(found));
  bar_->setValue(clampToInt(std::min(done, found)));
  dialog_->setLabelText(QStringLiteral("%1\nОбработано файлов: %2 из %3")
                            .arg(label_)
                            .arg(static_cast<qulonglong>(done))
                            .arg(static_cast<qulonglong>(found)));
}

void analysisRunner::finish() {
  running_ = false;  // first: a dialog being deleted must not cancel
  pollTimer_.stop();
  showTimer_.stop();
  // Deleted at once, not later: the owner may open a message box next, and
  // while its event loop runs, a dialog merely hidden would be shown again
  // by QProgressDialog's own timer, finished and unable to close.
  delete dialog_;
  bar_ = nullptr;
  emit finished(watcher_.result());
}

}  // namespace quillstat
