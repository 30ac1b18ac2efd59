#ifndef QUILLSTAT_UI_GUI_MAIN_DIALOG_H_
#define QUILLSTAT_UI_GUI_MAIN_DIALOG_H_

#include <QMainWindow>

#include <vector>

#include "analysis/analysis_manager.h"
#include "report/report_format.h"
#include "report/report_settings.h"
#include "ui/gui/analysis_runner.h"
#include "ui/gui/platform_services.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillstat {

class summaryView;

// The program's window "Quillstat": the user picks a language and the masks,
// analyses one file or a directory tree, reads the summary and saves the
// report of the latest analysis in any format the command line writes. The analysis runs
// on a worker thread; until it ends the window's controls are disabled. A
// cancelled analysis leaves no results; closing the window cancels too.
// Starts with language "C++" and its masks, every check box unchecked, the
// result box empty and the save buttons disabled.
//
// `services` must outlive the window.
class mainDialog : public QMainWindow {
  Q_OBJECT

 public:
  explicit mainDialog(const platformServices& services, QWidget* parent = nullptr);
  ~mainDialog() override;

  // True while an analysis runs.
  bool analysisRunning() const;

 signals:
  // An analysis started by one of the two buttons has ended and its summary,
  // or the note that it was cancelled, is in the result box.
  void analysisFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildControls();
  void buildMenu();
  void placeOnScreen();

  void resetMasks(int languageIndex);
  // The run the controls describe, on `input` named `path`; its scanner.
  runDescription chosenRun(inputKind input, const std::string& path) const;
  scanner chosenScanner() const;
  void analyzeFile();
  void analyzeDirectory();
  // An analysis as the window runs it, stopped when *stop becomes true.
  using analysis = std::function<analysisResult(const analysisManager::progressCallback& progress,
                                                const std::atomic<bool>* stop)>;
  void startAnalysis(const QString& label, analysis work);
  void showAnalysisResult(bool completed);
  QString shortPath(const QString& path) const;
  void saveReport(reportFormat format);
  void showMaskHelp();
  void showCommandLineHelp();
  void openHelpFile();
  void showAboutBox();

  const platformServices& services_;
  const analysisManager manager_{machineFileSystem()};
  // The latest analysis: written by the worker, read after
  // analysisRunner::finished; and what it was, for the JSON report.
  analysisResult result_;
  runDescription run_;
  analysisRunner* runner_;  // owned through the QObject tree
  bool closeRequested_ = false;

  QComboBox* languageBox_;
  QCheckBox* exactCheck_;
  QLineEdit* maskEdit_;
  QCheckBox* recursiveCheck_;
  QCheckBox* firstCommentCheck_;
  summaryView* resultBox_;  // shows result_ while no analysis runs
  std::vector<QPushButton*> saveButtons_;  // one per report format, in the table's order
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_MAIN_DIALOG_H_
