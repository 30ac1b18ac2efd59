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

class resultTabs;

// The program's window "Quillstat": the user picks a language (or
// "Автоопределение", -l auto) and the masks, analyses one file or a directory
// tree, reads the summary and the tables of files, languages, directories and
// words, and saves the report of the latest analysis in any format the
// command line writes. The analysis runs
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

  // Sets the masks, and the exact rules, that the language at `index` of
  // the list takes.
  void chooseLanguage(int index);
  fileRules chosenRules() const;
  // The run the controls describe, on `input` named `path`; how it reads files.
  runDescription chosenRun(inputKind input, const std::string& path) const;
  analysisSettings chosenSettings() const;
  void analyzeFile();
  void analyzeDirectory();
  // An analysis as the window runs it, stopped when *stop becomes true.
  using analysis = std::function<analysisResult(const analysisManager::progressCallback& progress,
                                                const std::atomic<bool>* stop)>;
  void startAnalysis(const QString& label, analysis work);
  void showAnalysisResult(bool completed);
  QString shortPath(const QString& path) const;
  void saveReport(reportFormat format);
  void openWord(const QString& path, qint64 line);
  void showMaskHelp();
  void showCommandLineHelp();
  void openHelpFile();
  void showAboutBox();

  const platformServices& services_;
  // The words are listed for the dashboard.
  const analysisManager manager_{machineFileSystem(), 0, true};
  // The latest analysis: written by the worker, read after
  // analysisRunner::finished; and what it was, for the JSON report.
  analysisResult result_;
  runDescription run_;
  reportContent content_;  // what its reports and summary show
  analysisRunner* runner_;  // owned through the QObject tree
  bool closeRequested_ = false;

  QComboBox* languageBox_;
  QCheckBox* exactCheck_;
  bool exactChosen_ = false;  // the box as the user left it while it is forced on
  QLineEdit* maskEdit_;
  QCheckBox* recursiveCheck_;
  QCheckBox* firstCommentCheck_;
  // Автоопределение's: git's ignore rules, vendored code, generated files
  // (analysisSettings); shown only while it is chosen.
  QCheckBox* ignoreCheck_;
  QCheckBox* vendoredCheck_;
  QCheckBox* generatedCheck_;
  QLabel* resultHeading_;  // says which figures the result holds
  resultTabs* results_;  // shows result_ while no analysis runs
  std::vector<QPushButton*> saveButtons_;  // one per report format, in the table's order
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_MAIN_DIALOG_H_
