#include "ui/gui/main_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

#include "analysis/file_analysis.h"
#include "analysis/languages.h"
#include "report/report_writer.h"
#include "ui/command_line_help.h"
#include "ui/error_text.h"
#include "ui/gui/about_box.h"
#include "ui/gui/analysis_runner.h"
#include "ui/gui/format_saving.h"
#include "ui/gui/open_file_filter.h"
#include "ui/gui/help_file.h"
#include "ui/gui/result_tabs.h"

namespace quillstat {

namespace {

const char kMaskHelpCaption[] = "Справка по заданию маски";
const char kMaskHelpText[] =
    "Справка о задании расширения:\n"
    "Расширения должны разделятся заком \";\"\n"
    "Для обозначения всех файлов использовать выражение \"*.*\"\n"
    "Примеры задания расширения:\n"
    "\"*.cpp;*.c;\" - файлы языка C++\n"
    "\"*.*\" - все файлы.\n";

const char kDetectedLanguageLabel[] = "Автоопределение";
const char kResultHeading[] = "Р Е З У Л Ь Т А Т";

// A long failure list would make a message box taller than the screen.
constexpr size_t kMaxListedFailures = 10;

// The core takes paths in UTF-8 with the system's separators. (QFile::encodeName
// would give the ANSI code page on Windows.)
std::string nativePath(const QString& path) {
  return QDir::toNativeSeparators(path).toUtf8().toStdString();
}

QPushButton* makeButton(const char* text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QLatin1String(name));
  return button;
}

// A check box of Автоопределение's, checked and hidden until it is chosen.
QCheckBox* makeCheck(const char* text, const char* name, QWidget* parent) {
  auto* check = new QCheckBox(QString::fromUtf8(text), parent);
  check->setObjectName(QString::fromLatin1(name));
  check->setChecked(true);
  check->setVisible(false);
  return check;
}

}  // namespace

mainDialog::mainDialog(const platformServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), runner_(new analysisRunner(this)) {
  setWindowTitle(QStringLiteral("Quillstat"));
  setCentralWidget(buildControls());
  buildMenu();
  connect(runner_, &analysisRunner::finished, this, &mainDialog::showAnalysisResult);
  placeOnScreen();
}

// The runner waits for a running worker, which uses manager_: it must go
// before the members do, not with the other children.
mainDialog::~mainDialog() { delete runner_; }

bool mainDialog::analysisRunning() const { return runner_->running(); }

QWidget* mainDialog::buildControls() {
  auto* controls = new QWidget(this);

  auto* languageLabel =
      new QLabel(QStringLiteral("Искать количество комментариев для языка"), controls);
  languageBox_ = new QComboBox(controls);
  languageBox_->setObjectName(QStringLiteral("languageBox"));
  // Each entry holds the language number of fileRules.
  for (unsigned row = 0; row < languageCount; ++row) {
    languageBox_->addItem(QString::fromUtf8(languageName(row)), row);
  }
  languageBox_->addItem(QString::fromUtf8(kDetectedLanguageLabel), detectedLanguage);
  languageBox_->setCurrentIndex(0);
  languageBox_->setMaxVisibleItems(languageBox_->count());
  exactCheck_ = new QCheckBox(QStringLiteral("Точный разбор"), controls);
  exactCheck_->setObjectName(QStringLiteral("exactCheck"));

  QPushButton* fileButton = makeButton("В файле", "fileButton", controls);
  firstCommentCheck_ =
      new QCheckBox(QStringLiteral("Включать в статистику 1 комменатрий"), controls);
  firstCommentCheck_->setObjectName(QStringLiteral("firstCommentCheck"));

  QPushButton* directoryButton = makeButton("В директории", "directoryButton", controls);
  auto* maskLabel = new QLabel(QStringLiteral("для файлов с расширениями"), controls);
  QPushButton* maskHelpButton = makeButton("?", "maskHelpButton", controls);
  maskHelpButton->setFixedWidth(maskHelpButton->fontMetrics().height() * 2);
  maskEdit_ = new QLineEdit(QString::fromUtf8(languageDefaultMasks(0)), controls);
  maskEdit_->setObjectName(QStringLiteral("maskEdit"));
  int widestMasks = 0;
  for (size_t language = 0; language < languageCount; ++language) {
    widestMasks = std::max(widestMasks, maskEdit_->fontMetrics().horizontalAdvance(
                                            QString::fromUtf8(languageDefaultMasks(language))));
  }
  maskEdit_->setMinimumWidth(widestMasks + maskEdit_->fontMetrics().averageCharWidth() * 3);

  // The two analyse buttons are equally wide, with some air around the longer text.
  const int analyseWidth = std::max(fileButton->sizeHint().width(),
                                    directoryButton->sizeHint().width()) +
                           directoryButton->fontMetrics().averageCharWidth() * 2;
  fileButton->setMinimumWidth(analyseWidth);
  directoryButton->setMinimumWidth(analyseWidth);

  recursiveCheck_ = new QCheckBox(QStringLiteral("Искать в подкаталогах"), controls);
  recursiveCheck_->setObjectName(QStringLiteral("recursiveCheck"));
  // What Автоопределение leaves out of a tree as none of the team's own code.
  ignoreCheck_ = makeCheck("Без файлов, которые игнорирует git", "ignoreCheck", controls);
  vendoredCheck_ = makeCheck("Без стороннего кода", "vendoredCheck", controls);
  generatedCheck_ = makeCheck("Без сгенерированных файлов", "generatedCheck", controls);

  resultHeading_ = new QLabel(QString::fromUtf8(kResultHeading), controls);
  resultHeading_->setObjectName(QStringLiteral("resultHeading"));
  results_ = new resultTabs(controls);

  auto* saveLabel = new QLabel(QStringLiteral("Сохранить отчёт как "), controls);
  for (const reportFormatRow& format : reportFormats) {
    const std::string name = std::string("save-") + format.name;
    QPushButton* button = makeButton(savingOf(format.format).buttonLabel, name.c_str(), controls);
    button->setEnabled(false);
    connect(button, &QPushButton::clicked, this, [this, &format] { saveReport(format.format); });
    saveButtons_.push_back(button);
  }

  // The rows from the top; the two analyse buttons
  // share the first column, so the check box and the mask label line up.
  auto* languageRow = new QHBoxLayout;
  languageRow->addWidget(languageLabel);
  languageRow->addWidget(languageBox_);
  languageRow->addWidget(exactCheck_);
  languageRow->addStretch(1);

  auto* maskRow = new QHBoxLayout;
  maskRow->addWidget(maskLabel);
  maskRow->addWidget(maskHelpButton);
  maskRow->addWidget(maskEdit_, 1);

  auto* saveRow = new QHBoxLayout;
  saveRow->addWidget(saveLabel);
  for (QPushButton* button : saveButtons_) saveRow->addWidget(button);
  saveRow->addStretch(1);

  auto* grid = new QGridLayout(controls);
  grid->addLayout(languageRow, 0, 0, 1, 2);
  grid->addWidget(fileButton, 1, 0);
  grid->addWidget(firstCommentCheck_, 1, 1);
  grid->addWidget(directoryButton, 2, 0);
  grid->addLayout(maskRow, 2, 1);
  auto* ownRow = new QHBoxLayout;
  ownRow->addWidget(recursiveCheck_);
  for (QCheckBox* check : {ignoreCheck_, vendoredCheck_, generatedCheck_}) {
    ownRow->addWidget(check);
  }
  ownRow->addStretch(1);
  grid->addLayout(ownRow, 3, 0, 1, 2);
  grid->addWidget(resultHeading_, 4, 0, 1, 2, Qt::AlignHCenter);
  grid->addWidget(results_, 5, 0, 1, 2);
  grid->addLayout(saveRow, 6, 0, 1, 2);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(5, 1);  // a bigger window shows more of the results

  // Only a change of the selection replaces the masks: opening the list or
  // moving the focus keeps what the user typed.
  connect(languageBox_, &QComboBox::currentIndexChanged, this, &mainDialog::chooseLanguage);
  connect(results_, &resultTabs::openWordRequested, this, &mainDialog::openWord);
  connect(fileButton, &QPushButton::clicked, this, &mainDialog::analyzeFile);
  connect(directoryButton, &QPushButton::clicked, this, &mainDialog::analyzeDirectory);
  connect(maskHelpButton, &QPushButton::clicked, this, &mainDialog::showMaskHelp);
  return controls;
}

void mainDialog::buildMenu() {
  QMenu* help = menuBar()->addMenu(QStringLiteral("Справка"));
  QAction* helpFile = help->addAction(QStringLiteral("Справка"));
  helpFile->setObjectName(QStringLiteral("helpFileAction"));
  QAction* commandLine = help->addAction(QStringLiteral("Параметры командной строки"));
  commandLine->setObjectName(QStringLiteral("commandLineHelpAction"));
  help->addSeparator();
  QAction* about = help->addAction(QStringLiteral("О программе"));
  about->setObjectName(QStringLiteral("aboutAction"));
  connect(helpFile, &QAction::triggered, this, &mainDialog::openHelpFile);
  connect(commandLine, &QAction::triggered, this, &mainDialog::showCommandLineHelp);
  connect(about, &QAction::triggered, this, &mainDialog::showAboutBox);
}

void mainDialog::placeOnScreen() {
  adjustSize();
  if (QScreen* where = screen()) move(where->availableGeometry().center() - rect().center());
}

void mainDialog::closeEvent(QCloseEvent* event) {
  // The worker uses the manager: the window closes once it has stopped.
  if (analysisRunning()) {
    closeRequested_ = true;
    runner_->cancel();
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void mainDialog::chooseLanguage(int index) {
  if (index < 0) return;
  const fileRules rules{languageBox_->itemData(index).toUInt(), exactCheck_->isChecked()};
  // Автоопределение reads every file by the exact rules of its language: the
  // box shows that and cannot be changed, and gets back the user's choice after.
  const bool detected = rules.language == detectedLanguage;
  const bool forced = !exactCheck_->isEnabledTo(exactCheck_->parentWidget());
  if (detected && !forced) exactChosen_ = exactCheck_->isChecked();
  exactCheck_->setChecked(detected || (forced ? exactChosen_ : exactCheck_->isChecked()));
  exactCheck_->setEnabled(!detected);
  for (QCheckBox* check : {ignoreCheck_, vendoredCheck_, generatedCheck_}) {
    check->setVisible(detected);
  }
  exactCheck_->setToolTip(
      detected ? QStringLiteral("При автоопределении разбор всегда точный") : QString());
  maskEdit_->setText(QString::fromUtf8(defaultMasksOf(rules)));
  // Without masks, Автоопределение takes every file and names its language by its name.
  maskEdit_->setPlaceholderText(
      detected ? QStringLiteral("все файлы; язык каждого - по его имени") : QString());
}

fileRules mainDialog::chosenRules() const {
  return {languageBox_->currentData().toUInt(), exactCheck_->isChecked()};
}

runDescription mainDialog::chosenRun(inputKind input, const std::string& path) const {
  runDescription run;
  run.language = languageNameOf(chosenRules());
  run.mode = modeNameOf(chosenRules());
  run.input = input;
  run.path = path;
  run.countFirstComment = firstCommentCheck_->isChecked();
  if (input == inputKind::directory) {
    run.recursive = recursiveCheck_->isChecked();
    run.masks = maskEdit_->text().toUtf8().toStdString();
  }
  return run;
}

analysisSettings mainDialog::chosenSettings() const {
  analysisSettings settings;
  settings.rules = chosenRules();
  settings.includeFirstComment = firstCommentCheck_->isChecked();
  settings.rules.skipsGenerated = generatedCheck_->isChecked();
  settings.honoursIgnores = ignoreCheck_->isChecked();
  settings.leavesVendored = vendoredCheck_->isChecked();
  return settings;
}

void mainDialog::analyzeFile() {
  const QString path = services_.askOpenFileName(
      this, openFileFilter(languageBox_->currentText(), maskEdit_->text()), QDir::currentPath());
  if (path.isEmpty()) return;
  run_ = chosenRun(inputKind::file, nativePath(path));
  startAnalysis(QStringLiteral("Анализ файла %1").arg(shortPath(path)),
                [this, file = nativePath(path), settings = chosenSettings()](
                    const analysisManager::progressCallback&, const std::atomic<bool>* stop) {
                  return manager_.analyzeFile(file, settings, stop);
                });
}

void mainDialog::analyzeDirectory() {
  const QString masks = maskEdit_->text();
  // No masks select nothing, but where that is the language's default: Автоопределение's.
  if (masks.isEmpty() && *defaultMasksOf(chosenRules()) != '\0') return;
  QString directory = services_.askDirectory(this, QDir::currentPath());
  if (directory.isEmpty()) return;
  if (!directory.endsWith(QLatin1Char('/'))) directory += QLatin1Char('/');
  const bool recursive = recursiveCheck_->isChecked();
  run_ = chosenRun(inputKind::directory, nativePath(directory));
  startAnalysis(QStringLiteral("Анализ директории %1").arg(shortPath(directory)),
                [this, root = nativePath(directory), settings = chosenSettings(),
                 masks = masks.toUtf8().toStdString(),
                 recursive](const analysisManager::progressCallback& progress,
                            const std::atomic<bool>* stop) {
                  return manager_.analyzeDirectory(root, masks, recursive, settings, progress,
                                                   stop);
                });
}

QString mainDialog::shortPath(const QString& path) const {
  // A deep path would stretch the progress dialog past the screen.
  return fontMetrics().elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle,
                                  fontMetrics().averageCharWidth() * 60);
}

void mainDialog::startAnalysis(const QString& label, analysis work) {
  // The tabs read the latest result, which the worker is about to replace.
  results_->clear();
  content_ = contentOf(chosenRules(), 0);
  centralWidget()->setEnabled(false);
  menuBar()->setEnabled(false);
  runner_->start(label, [this, work = std::move(work)](
                            const analysisManager::progressCallback& progress,
                            const std::atomic<bool>* stop) {
    result_ = work(progress, stop);
    return !stop->load();
  });
}

void mainDialog::showAnalysisResult(bool completed) {
  centralWidget()->setEnabled(true);
  menuBar()->setEnabled(true);
  for (QPushButton* button : saveButtons_) button->setEnabled(completed);
  // The window leaves first comments out by default, the batch program
  // counts them: the heading says which figures the result, and so every
  // report saved from it, holds.
  const QString heading = QString::fromUtf8(kResultHeading);
  const bool firstLeftOut = completed && !run_.countFirstComment;
  resultHeading_->setText(
      firstLeftOut ? heading + QStringLiteral(" (без первых комментариев файлов, как -nf)")
                   : heading);
  if (completed) {
    // The rows are formatted as they come into sight, not here.
    results_->showResult(result_, content_);
  } else {
    results_->showNote(QStringLiteral("Анализ прерван: результаты не сохранены."));
  }

  // A window about to close asks nothing more.
  const std::vector<inputFailure>& failures = result_.failures;
  if (!failures.empty() && !closeRequested_) {
    QString text = QStringLiteral("Не удалось прочитать:\n");
    for (size_t i = 0; i < failures.size() && i < kMaxListedFailures; ++i) {
      text += QStringLiteral("\n«%1»: %2")
                  .arg(QString::fromUtf8(failures[i].path),
                       QString::fromUtf8(errorText(failures[i].error, textLanguage::russian)));
    }
    if (failures.size() > kMaxListedFailures) {
      text += QStringLiteral("\n… и ещё %1").arg(failures.size() - kMaxListedFailures);
    }
    services_.showMessageBox(this, QMessageBox::Warning, QStringLiteral("Quillstat"), text);
  }
  emit analysisFinished();
  if (closeRequested_) close();
}

void mainDialog::saveReport(reportFormat format) {
  const formatSaving& saving = savingOf(format);
  const QString path = services_.askSaveFileName(
      this, QDir::current().filePath(QLatin1String(saving.fileName)),
      QString::fromUtf8(saving.filter), QStringLiteral("Сохраните файл"));
  if (path.isEmpty()) return;
  reportSettings settings;
  settings.format = format;
  settings.run = run_;
  settings.content = content_;
  settings.describeError = describeFailure;
  ioError error;
  if (writeReport(nativePath(path), settings, result_, &error)) return;
  services_.showMessageBox(this, QMessageBox::Warning, QStringLiteral("Quillstat"),
                           QStringLiteral("Не удалось сохранить отчёт в файл «%1»:\n%2")
                               .arg(QDir::toNativeSeparators(path),
                                    QString::fromUtf8(errorText(error, textLanguage::russian))));
}

void mainDialog::openWord(const QString& path, qint64 line) {
  if (services_.openFileAtLine(path, line)) return;
  services_.showMessageBox(this, QMessageBox::Warning, QStringLiteral("Quillstat"),
                           QStringLiteral("Не удалось открыть файл «%1»: в системе нет "
                                          "программы для него.")
                               .arg(QDir::toNativeSeparators(path)));
}

void mainDialog::showMaskHelp() {
  services_.showMessageBox(this, QMessageBox::Information, QString::fromUtf8(kMaskHelpCaption),
                           QString::fromUtf8(kMaskHelpText));
}

void mainDialog::showCommandLineHelp() {
  services_.showMessageBox(this, QMessageBox::NoIcon, QString::fromUtf8(commandLineHelpCaption),
                           QString::fromUtf8(commandLineHelpText(true)));
}

void mainDialog::openHelpFile() {
  const QStringList candidates = helpFileCandidates(QCoreApplication::applicationDirPath());
  const QString path = findHelpFile(candidates);
  if (path.isEmpty()) {
    services_.showMessageBox(
        this, QMessageBox::Warning, QStringLiteral("Справка"),
        QStringLiteral("Файл справки %1 не найден. Он должен лежать в одном из мест:\n\n%2")
            .arg(QLatin1String(helpFileName), candidates.join(QLatin1Char('\n'))));
    return;
  }
  if (services_.openUrl(QUrl::fromLocalFile(path))) return;
  services_.showMessageBox(this, QMessageBox::Warning, QStringLiteral("Справка"),
                           QStringLiteral("Не удалось открыть файл справки «%1»: в системе нет "
                                          "программы для просмотра HTML.")
                               .arg(QDir::toNativeSeparators(path)));
}

void mainDialog::showAboutBox() {
  aboutBox box(services_, this);
  box.exec();
}

}  // namespace quillstat
