#include "ui/gui/analysis_runner.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QProgressBar>
#include <QProgressDialog>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <atomic>
#include <climits>

namespace quillstat {

namespace {

// The work cannot be stopped half way, so the dialog offers no way to
// dismiss it: no cancel button, and Escape and the close button are ignored.
class workProgressDialog : public QProgressDialog {
 public:
  using QProgressDialog::QProgressDialog;

 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_Escape) return;
    QProgressDialog::keyPressEvent(event);
  }
};

// Below this the dialog would only flash.
constexpr int kShowDelayMs = 400;
constexpr int kPollIntervalMs = 100;

int clampToInt(size_t value) { return static_cast<int>(std::min<size_t>(value, INT_MAX)); }

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
  connect(&watcher_, &QFutureWatcher<void>::finished, this, &analysisRunner::finish);
}

analysisRunner::~analysisRunner() { watcher_.waitForFinished(); }

bool analysisRunner::start(const QString& label, task work) {
  if (running_) return false;
  running_ = true;
  label_ = label;
  counts_ = std::make_shared<progressCounts>();

  auto* dialog = new workProgressDialog(owner_);
  dialog->setWindowTitle(QStringLiteral("Quillstat"));
  dialog->setWindowModality(Qt::WindowModal);
  dialog->setCancelButton(nullptr);
  dialog->setAutoClose(false);
  dialog->setAutoReset(false);
  // The bar is driven directly: QProgressDialog::setValue on a modal dialog
  // would process events from inside the timer slot.
  bar_ = new QProgressBar(dialog);
  dialog->setBar(bar_);
  bar_->setRange(0, 0);
  dialog->setLabelText(label_);
  dialog->setMinimumWidth(360);
  dialog_ = dialog;

  std::shared_ptr<progressCounts> counts = counts_;
  // The manager reports from one thread at a time, in order.
  analysisManager::progressCallback progress = [counts](size_t done, size_t found, int64_t) {
    counts->found.store(found, std::memory_order_relaxed);
    counts->done.store(done, std::memory_order_relaxed);
  };
  watcher_.setFuture(QtConcurrent::run([work = std::move(work), progress] { work(progress); }));
  showTimer_.start();
  pollTimer_.start();
  return true;
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
  QString text = QStringLiteral("%1\nОбработано файлов: %2 из %3")
                     .arg(label_)
                     .arg(static_cast<qulonglong>(done))
                     .arg(static_cast<qulonglong>(found));
  // The work goes on after the last file: the summary is built too.
  if (done >= found) text += QStringLiteral("\nСоставляется сводка…");
  dialog_->setLabelText(text);
}

void analysisRunner::finish() {
  pollTimer_.stop();
  showTimer_.stop();
  if (dialog_) {
    dialog_->hide();
    dialog_->deleteLater();
  }
  bar_ = nullptr;
  running_ = false;
  emit finished();
}

}  // namespace quillstat
