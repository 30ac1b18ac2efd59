#include "ui/gui/main_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/language_table.h"
#include "ui/command_line_help.h"
#include "ui/gui/about_box.h"
#include "ui/gui/analysis_runner.h"
#include "ui/gui/dialog_filters.h"
#include "ui/gui/help_file.h"

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

// A long failure list would make a message box taller than the screen.
constexpr size_t kMaxListedFailures = 10;

std::string nativePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QPushButton* makeButton(const char* text, const char* name, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setObjectName(QLatin1String(name));
  return button;
}

}  // namespace

mainDialog::mainDialog(const platformServices& services, QWidget* parent)
    : QMainWindow(parent), services_(services), runner_(new analysisRunner(this)) {
  setWindowTitle(QStringLiteral("Quillstat"));
  // A fixed dialog-like window: minimize and close, never maximize.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setCentralWidget(buildControls());
  buildMenu();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
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
  for (const languageEntry& language : languageTable) {
    languageBox_->addItem(QString::fromUtf8(language.name));
  }
  languageBox_->setCurrentIndex(0);
  languageBox_->setMaxVisibleItems(static_cast<int>(languageCount));
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
  maskEdit_ = new QLineEdit(QString::fromUtf8(languageTable[0].defaultMasks), controls);
  maskEdit_->setObjectName(QStringLiteral("maskEdit"));
  int widestMasks = 0;
  for (const languageEntry& language : languageTable) {
    widestMasks = std::max(widestMasks, maskEdit_->fontMetrics().horizontalAdvance(
                                            QString::fromUtf8(language.defaultMasks)));
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

  auto* resultHeading = new QLabel(QStringLiteral("Р Е З У Л Ь Т А Т"), controls);
  resultBox_ = new QPlainTextEdit(controls);
  resultBox_->setObjectName(QStringLiteral("resultBox"));
  resultBox_->setReadOnly(true);
  resultBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
  resultBox_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  // Room for a summary block's widest line and two blocks and a half.
  const QFontMetrics resultMetrics(resultBox_->font());
  resultBox_->setMinimumSize(resultMetrics.horizontalAdvance(QLatin1Char('x')) * 72,
                             resultMetrics.lineSpacing() * 18);

  auto* saveLabel = new QLabel(QStringLiteral("Сохранить отчёт как "), controls);
  saveTextButton_ = makeButton("текстовый файл", "saveTextButton", controls);
  auto* orLabel = new QLabel(QStringLiteral("или"), controls);
  saveXmlButton_ = makeButton("XML файл", "saveXmlButton", controls);
  auto* orAsLabel = new QLabel(QStringLiteral("или как"), controls);
  saveHtmlButton_ = makeButton("HTML файл", "saveHtmlButton", controls);
  for (QPushButton* button : {saveTextButton_, saveXmlButton_, saveHtmlButton_}) {
    button->setEnabled(false);
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
  saveRow->addWidget(saveTextButton_);
  saveRow->addWidget(orLabel);
  saveRow->addWidget(saveXmlButton_);
  saveRow->addWidget(orAsLabel);
  saveRow->addWidget(saveHtmlButton_);
  saveRow->addStretch(1);

  auto* grid = new QGridLayout(controls);
  grid->addLayout(languageRow, 0, 0, 1, 2);
  grid->addWidget(fileButton, 1, 0);
  grid->addWidget(firstCommentCheck_, 1, 1);
  grid->addWidget(directoryButton, 2, 0);
  grid->addLayout(maskRow, 2, 1);
  grid->addWidget(recursiveCheck_, 3, 0, 1, 2);
  grid->addWidget(resultHeading, 4, 0, 1, 2, Qt::AlignHCenter);
  grid->addWidget(resultBox_, 5, 0, 1, 2);
  grid->addLayout(saveRow, 6, 0, 1, 2);
  grid->setColumnStretch(1, 1);

  // Only a change of the selection replaces the masks: opening the list or
  // moving the focus keeps what the user typed.
  connect(languageBox_, &QComboBox::currentIndexChanged, this, &mainDialog::resetMasks);
  connect(fileButton, &QPushButton::clicked, this, &mainDialog::analyzeFile);
  connect(directoryButton, &QPushButton::clicked, this, &mainDialog::analyzeDirectory);
  connect(maskHelpButton, &QPushButton::clicked, this, &mainDialog::showMaskHelp);
  connect(saveTextButton_, &QPushButton::clicked, this, [this] { saveReport(reportFormat::txt); });
  connect(saveXmlButton_, &QPushButton::clicked, this, [this] { saveReport(reportFormat::xml); });
  connect(saveHtmlButton_, &QPushButton::clicked, this,
          [this] { saveReport(reportFormat::html); });
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
  // The worker uses the manager: the window closes once it has finished.
  if (analysisRunning()) {
    closeRequested_ = true;
    event->ignore();
    return;
  }
  QMainWindow::closeEvent(event);
}

void mainDialog::resetMasks(int languageIndex) {
  if (languageIndex < 0 || languageIndex >= static_cast<int>(languageCount)) return;
  maskEdit_->setText(QString::fromUtf8(languageTable[languageIndex].defaultMasks));
}

void mainDialog::analyzeFile() {
  const int languageIndex = languageBox_->currentIndex();
  const QString path = services_.askOpenFileName(
      this, openFileFilter(languageBox_->currentText(), maskEdit_->text()), QDir::currentPath());
  if (path.isEmpty()) return;
  resultBox_->clear();
  const bool exact = exactCheck_->isChecked();
  const bool includeFirstComment = firstCommentCheck_->isChecked();
  startAnalysis(QStringLiteral("Анализ файла %1").arg(shortPath(path)),
                [this, file = nativePath(path), languageIndex, exact,
                 includeFirstComment](const analysisManager::progressCallback&) {
                  return manager_.analyzeFile(file, static_cast<unsigned>(languageIndex), exact,
                                              includeFirstComment);
                });
}

void mainDialog::analyzeDirectory() {
  const QString masks = maskEdit_->text();
  if (masks.isEmpty()) return;
  QString directory = services_.askDirectory(this, QDir::currentPath());
  if (directory.isEmpty()) return;
  resultBox_->clear();
  if (!directory.endsWith(QLatin1Char('/'))) directory += QLatin1Char('/');
  const int languageIndex = languageBox_->currentIndex();
  const bool exact = exactCheck_->isChecked();
  const bool recursive = recursiveCheck_->isChecked();
  const bool includeFirstComment = firstCommentCheck_->isChecked();
  startAnalysis(QStringLiteral("Анализ директории %1").arg(shortPath(directory)),
                [this, root = nativePath(directory), languageIndex, exact, masks = nativePath(masks),
                 recursive, includeFirstComment](const analysisManager::progressCallback& progress) {
                  manager_.analyzeDirectory(root, static_cast<unsigned>(languageIndex), exact,
                                            masks, recursive, includeFirstComment, progress);
                  return true;
                });
}

QString mainDialog::shortPath(const QString& path) const {
  // A deep path would stretch the progress dialog past the screen.
  return fontMetrics().elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle,
                                  fontMetrics().averageCharWidth() * 60);
}

void mainDialog::startAnalysis(
    const QString& label, std::function<bool(const analysisManager::progressCallback&)> work) {
  centralWidget()->setEnabled(false);
  menuBar()->setEnabled(false);
  QThread* windowThread = thread();
  runner_->start(label, [this, work = std::move(work), windowThread](
                            const analysisManager::progressCallback& progress) {
    if (!work(progress)) return;
    // A tree of many files gives a summary of hundreds of thousands of
    // lines; filling the document here keeps the window from freezing on it.
    QString text = QString::fromUtf8(manager_.summaryText());
    // The blocks end their lines in CR LF; the box wants bare line feeds.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    auto summary = std::make_unique<QTextDocument>();
    summary->setUndoRedoEnabled(false);
    summary->setPlainText(text);
    summary->moveToThread(windowThread);
    pendingSummary_ = std::move(summary);
  });
}

void mainDialog::showAnalysisResult() {
  centralWidget()->setEnabled(true);
  menuBar()->setEnabled(true);
  if (pendingSummary_) {
    for (QPushButton* button : {saveHtmlButton_, saveTextButton_, saveXmlButton_}) {
      button->setEnabled(true);
    }
    QTextDocument* summary = pendingSummary_.release();
    summary->setParent(resultBox_);
    summary->setDocumentLayout(new QPlainTextDocumentLayout(summary));
    summary->setDefaultFont(resultBox_->font());
    // The box may delete its own first document itself; ours it does not.
    QPointer<QTextDocument> previous = resultBox_->document();
    resultBox_->setDocument(summary);
    if (previous && previous->parent() == resultBox_) delete previous;
  }

  const std::vector<inputFailure>& failures = manager_.failures();
  if (!failures.empty()) {
    QString text = QStringLiteral("Не удалось прочитать:\n");
    for (size_t i = 0; i < failures.size() && i < kMaxListedFailures; ++i) {
      text += QStringLiteral("\n«%1»: %2")
                  .arg(QFile::decodeName(failures[i].path.c_str()),
                       QString::fromLocal8Bit(failures[i].reason));
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
  const saveTarget& target = saveTargetFor(format);
  const QString path = services_.askSaveFileName(
      this, QDir::current().filePath(QLatin1String(target.defaultName)),
      QLatin1String(target.filter), QStringLiteral("Сохраните файл"));
  if (path.isEmpty()) return;
  std::string error;
  if (manager_.writeReport(nativePath(path), format, &error)) return;
  services_.showMessageBox(this, QMessageBox::Warning, QStringLiteral("Quillstat"),
                           QStringLiteral("Не удалось сохранить отчёт в файл «%1»:\n%2")
                               .arg(QDir::toNativeSeparators(path),
                                    QString::fromLocal8Bit(error)));
}

void mainDialog::showMaskHelp() {
  services_.showMessageBox(this, QMessageBox::Information, QString::fromUtf8(kMaskHelpCaption),
                           QString::fromUtf8(kMaskHelpText));
}

void mainDialog::showCommandLineHelp() {
  services_.showMessageBox(this, QMessageBox::NoIcon, QString::fromUtf8(commandLineHelpCaption),
                           QString::fromStdString(commandLineHelpText()));
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
