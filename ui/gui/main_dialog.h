#ifndef QUILLSTAT_UI_GUI_MAIN_DIALOG_H_
#define QUILLSTAT_UI_GUI_MAIN_DIALOG_H_

#include <QMainWindow>
#include <functional>
#include <memory>

#include "analysis/analysis_manager.h"
#include "report/report_format.h"
#include "ui/gui/platform_services.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTextDocument;

namespace quillstat {

class analysisRunner;

// The program's window "Quillstat": the user picks a language and the masks,
// analyses one file or a directory tree, reads the summary and saves the
// report of the latest analysis in one of three formats. The analysis runs
// on a worker thread; until it ends the window's controls are disabled.
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
  // An analysis started by one of the two buttons has ended and its summary
  // is in the result box.
  void analysisFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* buildControls();
  void buildMenu();
  void placeOnScreen();

  void resetMasks(int languageIndex);
  void analyzeFile();
  void analyzeDirectory();
  void startAnalysis(const QString& label,
                     std::function<bool(const analysisManager::progressCallback&)> work);
  void showAnalysisResult();
  QString shortPath(const QString& path) const;
  void saveReport(reportFormat format);
  void showMaskHelp();
  void showCommandLineHelp();
  void openHelpFile();
  void showAboutBox();

  const platformServices& services_;
  analysisManager manager_;
  analysisRunner* runner_;  // owned through the QObject tree
  // Written by the worker, read after analysisRunner::finished: the summary
  // as a document ready for the result box, or null when the analysis
  // returned nothing.
  std::unique_ptr<QTextDocument> pendingSummary_;
  bool closeRequested_ = false;

  QComboBox* languageBox_;
  QCheckBox* exactCheck_;
  QLineEdit* maskEdit_;
  QCheckBox* recursiveCheck_;
  QCheckBox* firstCommentCheck_;
  QPlainTextEdit* resultBox_;
  QPushButton* saveTextButton_;
  QPushButton* saveXmlButton_;
  QPushButton* saveHtmlButton_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_MAIN_DIALOG_H_
