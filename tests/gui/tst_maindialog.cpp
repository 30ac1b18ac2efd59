#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "report/report_format.h"
#include "tests/gui/fake_platform.h"
#include "ui/gui/main_dialog.h"
#include "ui/gui/window_language.h"

using quillstat::fakePlatform;

// The window saves every format the command line writes: a button per row
// of the format table.
std::vector<std::string> saveButtons() {
  std::vector<std::string> names;
  for (const quillstat::reportFormatRow& format : quillstat::reportFormats) {
    names.push_back(std::string("save-") + format.name);
  }
  return names;
}
using quillstat::mainDialog;

class tst_mainDialog : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void startState();
  void masksFollowTheLanguageOnly();
  void fileButtonOffersTheMasks_data();
  void fileButtonOffersTheMasks();
  void fileButtonAnalysesFile_data();
  void fileButtonAnalysesFile();
  void directoryButtonAnalysesTree_data();
  void directoryButtonAnalysesTree();
  void controlsWaitForTheAnalysis();
  void emptyMaskShowsNoDialog();
  void autoDetectionForcesExactRules();
  void autoDetectionTotalsEachLanguage();
  void autoDetectionLeavesOutOthersCode();
  void filesTableSortsNumbersByValue();
  void todoDoubleClickOpensItsLine();
  void unreadableInputIsReported();
  void cancelDiscardsTheAnalysis_data();
  void cancelDiscardsTheAnalysis();
  void copiesSelectedLines();
  void saveButtonWritesItsFormat_data();
  void saveButtonWritesItsFormat();
  void failedSaveShowsWarning();
  void helpBoxes();
  void helpMenuOpensHelpFile();
  void toolkitSpeaksRussian();

 private:
  template <typename T>
  T* child(const char* name) {
    T* found = window_->findChild<T*>(QLatin1String(name));
    if (found == nullptr) qFatal("no child '%s'", name);
    return found;
  }
  // The tab that holds the child `name`, brought to the front.
  template <typename T>
  T* showTab(const char* name) {
    T* found = child<T>(name);
    window_->findChild<QTabWidget*>()->setCurrentWidget(found);
    if (!QTest::qWaitForWindowExposed(found)) qFatal("'%s' not shown", name);
    return found;
  }
  QString writeFile(const QString& relativePath, const QByteArray& content);
  // Presses `button` and waits until the analysis it starts has ended.
  bool analyse(const char* button);
  // The result box's lines, each ended with a line feed.
  QString resultText();
  QStringList resultNames();
  // The rows of the table `name`, their cells joined with '|'.
  QStringList tableRows(const char* name);
  void chooseLanguage(const QString& name);

  std::unique_ptr<QTemporaryDir> files_;
  fakePlatform platform_;
  quillstat::platformServices services_;
  std::unique_ptr<mainDialog> window_;
};

void tst_mainDialog::init() {
  files_ = std::make_unique<QTemporaryDir>();
  QVERIFY(files_->isValid());
  platform_ = fakePlatform();
  services_ = platform_.services();
  window_ = std::make_unique<mainDialog>(services_);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void tst_mainDialog::cleanup() {
  window_.reset();
  files_.reset();
  // Nothing the window opened, such as the progress dialog, may outlive it.
  QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

QString tst_mainDialog::writeFile(const QString& relativePath, const QByteArray& content) {
  const QString path = QDir(files_->path()).filePath(relativePath);
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
  return path;
}

bool tst_mainDialog::analyse(const char* button) {
  QSignalSpy finished(window_.get(), &mainDialog::analysisFinished);
  child<QPushButton>(button)->click();
  return finished.count() == 1 || finished.wait(20000);
}

QString tst_mainDialog::resultText() {
  const QAbstractItemModel* lines = child<QListView>("resultBox")->model();
  QString text;
  for (int row = 0; row < lines->rowCount(); ++row) {
    text += lines->index(row, 0).data().toString() + '\n';
  }
  return text;
}

// The first line of each block, "Имя файла: <name>", without its label.
QStringList tst_mainDialog::resultNames() {
  QStringList names;
  for (const QString& line : resultText().split('\n')) {
    if (line.startsWith(QStringLiteral("Имя файла: "))) names.append(line.mid(11));
  }
  return names;
}

QStringList tst_mainDialog::tableRows(const char* name) {
  const QAbstractItemModel* table = child<QTableView>(name)->model();
  QStringList rows;
  for (int row = 0; row < table->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
      cells.append(table->index(row, column).data().toString());
    }
    rows.append(cells.join('|'));
  }
  return rows;
}

void tst_mainDialog::chooseLanguage(const QString& name) {
  auto* languages = child<QComboBox>("languageBox");
  const int index = languages->findText(name);
  QVERIFY(index >= 0);
  languages->setCurrentIndex(index);
}

void tst_mainDialog::startState() {
  QCOMPARE(child<QComboBox>("languageBox")->currentText(), QStringLiteral("C++"));
  QCOMPARE(child<QLineEdit>("maskEdit")->text(), QStringLiteral("*.cpp;*.c;*.h;*.hpp;*.cxx;*.hxx"));
  QVERIFY(!child<QCheckBox>("recursiveCheck")->isChecked());
  QVERIFY(!child<QCheckBox>("firstCommentCheck")->isChecked());
  QVERIFY(!child<QCheckBox>("exactCheck")->isChecked());
  for (const std::string& name : saveButtons()) {
    QVERIFY2(!child<QPushButton>(name.c_str())->isEnabled(), name.c_str());
  }
  QVERIFY(resultText().isEmpty());

  // A window that can be minimized and maximized; the result box takes the extra room.
  QVERIFY(window_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  QVERIFY(window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  auto* result = child<QListView>("resultBox");
  const QSize box = result->size();
  window_->resize(window_->size() + QSize(120, 90));
  QTRY_COMPARE(result->size(), box + QSize(120, 90));
}

void tst_mainDialog::masksFollowTheLanguageOnly() {
  auto* languages = child<QComboBox>("languageBox");
  auto* masks = child<QLineEdit>("maskEdit");
  QTest::keyClick(languages, Qt::Key_Down);  // a change of language sets its masks
  QCOMPARE(masks->text(), QStringLiteral("*.dpr;*.pas"));
  QTest::keyClick(languages, Qt::Key_Down);  // Php
  masks->setFocus();
  masks->selectAll();
  QTest::keyClicks(masks, "*.inc");
  QCOMPARE(masks->text(), QStringLiteral("*.inc"));

  // Opening and closing the list and moving the focus are no change of language.
  languages->setFocus();
  languages->showPopup();
  languages->hidePopup();
  masks->setFocus();
  QCOMPARE(masks->text(), QStringLiteral("*.inc"));
  QCOMPARE(languages->currentText(), QStringLiteral("Php"));
}

void tst_mainDialog::fileButtonOffersTheMasks_data() {
  QTest::addColumn<int>("downPresses");
  QTest::addColumn<QString>("masks");
  QTest::addColumn<QString>("filter");
  QTest::newRow("blanks and a trailing separator")
      << 3 << "*.java; *.jav;" << "Файлы Java (*.java *.jav);;Все файлы (*.*)";
  QTest::newRow("brackets would end the list early")
      << 0 << "*.c;(x)*.h" << "Файлы C++ (*.c x*.h);;Все файлы (*.*)";
}

void tst_mainDialog::fileButtonOffersTheMasks() {
  QFETCH(int, downPresses);
  QFETCH(QString, masks);
  QFETCH(QString, filter);
  for (int i = 0; i < downPresses; ++i) QTest::keyClick(child<QComboBox>("languageBox"), Qt::Key_Down);
  child<QLineEdit>("maskEdit")->setText(masks);
  child<QPushButton>("fileButton")->click();  // the user cancels
  QCOMPARE(platform_.openFilters, QStringList({filter}));
  QCOMPARE(platform_.openStartDirectories, QStringList({QDir::currentPath()}));
  QVERIFY(!window_->analysisRunning());
  QVERIFY(!child<QPushButton>("save-txt")->isEnabled());
}

void tst_mainDialog::fileButtonAnalysesFile_data() {
  QTest::addColumn<bool>("countFirstComment");
  QTest::addColumn<bool>("exact");
  QTest::addColumn<QByteArray>("content");
  QTest::addColumn<QString>("figures");
  // "// one" LF "int x;" LF: 14 bytes, one comment of 6 characters, one ";".
  QTest::newRow("first comment left out")
      << false << false << QByteArray("// one\nint x;\n")
      << "  символов комментариев(размер файла): 0 (14)\n"
         "  количество комментариев: 0 \n"
         "  примерное количество строк кода: 1\n"
         "  % комментариев: 0.000000 % \n"
         "  кол-во строк/кол-во комментариев: 0.000000\n"
         "  fixme+todo слов: 0\n\n";
  QTest::newRow("first comment counted") << true << false << QByteArray("// one\nint x;\n")
                                         << "  символов комментариев(размер файла): 6 (14)\n";
  // The classic string ends at the escaped quote, so '//";' is a comment of
  // 4 characters; by the exact rules the string runs to the last quote.
  QTest::newRow("classic rules") << true << false << QByteArray("s = \"\\\"//\";\n")
                                 << "  символов комментариев(размер файла): 4 (12)\n";
  QTest::newRow("exact rules") << true << true << QByteArray("s = \"\\\"//\";\n")
                               << "  символов комментариев(размер файла): 0 (12)\n";
}

void tst_mainDialog::fileButtonAnalysesFile() {
  QFETCH(bool, countFirstComment);
  QFETCH(bool, exact);
  QFETCH(QByteArray, content);
  QFETCH(QString, figures);
  platform_.openAnswer = writeFile("first.cpp", content);
  child<QCheckBox>("firstCommentCheck")->setChecked(countFirstComment);
  child<QCheckBox>("exactCheck")->setChecked(exact);
  QVERIFY(analyse("fileButton"));
  QVERIFY2(resultText().startsWith("Имя файла: " + platform_.openAnswer + "\n" + figures),
           qPrintable(resultText()));
  // Unlike the batch program's default, the window's leaves the first comment
  // out; the heading says so.
  QCOMPARE(child<QLabel>("resultHeading")->text().contains("без первых комментариев"),
           !countFirstComment);
  for (const std::string& name : saveButtons()) {
    QVERIFY2(child<QPushButton>(name.c_str())->isEnabled(), name.c_str());
  }
  QVERIFY(platform_.messages.isEmpty());
}

void tst_mainDialog::directoryButtonAnalysesTree_data() {
  QTest::addColumn<bool>("recursive");
  QTest::addColumn<QStringList>("names");
  QTest::newRow("top directory only") << false << QStringList({"src/a.cpp", "Все файлы"});
  QTest::newRow("with sub-directories")
      << true << QStringList({"src/a.cpp", "src/sub/b.cpp", "Все файлы"});
}

void tst_mainDialog::directoryButtonAnalysesTree() {
  QFETCH(bool, recursive);
  QFETCH(QStringList, names);
  writeFile("src/a.cpp", "int a;\n");
  writeFile("src/notes.txt", "not C++\n");
  writeFile("src/sub/b.cpp", "int b;\n");
  // The chooser answers without a trailing separator; the window adds one,
  // so every path is the directory, one '/', the name.
  platform_.directoryAnswer = QDir(files_->path()).filePath("src");
  child<QCheckBox>("recursiveCheck")->setChecked(recursive);
  QVERIFY(analyse("directoryButton"));
  QCOMPARE(platform_.directoryRequests, 1);
  QStringList expected;
  for (const QString& name : names) {
    expected.append(name.startsWith("src/") ? files_->path() + "/" + name : name);
  }
  QCOMPARE(resultNames(), expected);
  QVERIFY(child<QPushButton>("save-html")->isEnabled());
}

void tst_mainDialog::controlsWaitForTheAnalysis() {
  writeFile("src/a.cpp", "int a;\n");
  platform_.directoryAnswer = QDir(files_->path()).filePath("src");
  QSignalSpy finished(window_.get(), &mainDialog::analysisFinished);
  child<QPushButton>("directoryButton")->click();
  // The end of the work reaches the window only through its event loop, so
  // right after the click the analysis is still running, however short.
  QVERIFY(window_->analysisRunning());
  QVERIFY(!window_->centralWidget()->isEnabled());
  QVERIFY(!window_->menuBar()->isEnabled());
  QTRY_COMPARE(finished.count(), 1);
  QVERIFY(window_->centralWidget()->isEnabled());
  QVERIFY(window_->menuBar()->isEnabled());
}

void tst_mainDialog::emptyMaskShowsNoDialog() {
  platform_.directoryAnswer = files_->path();
  child<QLineEdit>("maskEdit")->clear();
  child<QPushButton>("directoryButton")->click();
  QCOMPARE(platform_.directoryRequests, 0);
  QVERIFY(!window_->analysisRunning());
  QVERIFY(!child<QPushButton>("save-txt")->isEnabled());
}

void tst_mainDialog::autoDetectionForcesExactRules() {
  auto* exact = child<QCheckBox>("exactCheck");
  auto* masks = child<QLineEdit>("maskEdit");
  for (bool chosen : {true, false}) {
    exact->setChecked(chosen);
    chooseLanguage("Автоопределение");
    QVERIFY(exact->isChecked());
    QVERIFY(!exact->isEnabled());
    // No masks: every name that a known language has.
    QCOMPARE(masks->text(), QString());
    QVERIFY(!masks->placeholderText().isEmpty());
    // The file button then offers every file.
    child<QPushButton>("fileButton")->click();
    QCOMPARE(platform_.openFilters.last(), QStringLiteral("Все файлы (*.*)"));

    chooseLanguage("Delphi");  // the user's choice comes back
    QCOMPARE(exact->isChecked(), chosen);
    QVERIFY(exact->isEnabled());
    QCOMPARE(masks->text(), QStringLiteral("*.dpr;*.pas"));
    QVERIFY(masks->placeholderText().isEmpty());
  }
}

// Two languages and a name of none, worked out by hand (comment characters
// are the comment's own, without its line end):
//   a.c      "/* x */" LF "int a;" LF         15 bytes, 7 in comments, lines 2: 0 blank, 1 comment, 1 code
//   b.pas    "{ p }" LF "begin end." LF       17 bytes, 5 in comments, lines 2: 0, 1, 1
//   sub/c.c  "// y" LF LF "int c;" LF          13 bytes, 4 in comments, lines 3: 1, 1, 1
//   NOTES    no extension, no "#!" line       skipped: no language
// Автоопределение's boxes, shown and on only for it, leave vendored and
// generated files out, counted; unchecked, they bring them back.
void tst_mainDialog::autoDetectionLeavesOutOthersCode() {
  const char* boxes[] = {"ignoreCheck", "vendoredCheck", "generatedCheck"};
  for (const char* box : boxes) QVERIFY2(child<QCheckBox>(box)->isHidden(), box);
  writeFile("src/a.c", "int a;\n");
  writeFile("src/vendor/v.c", "int v;\n");
  writeFile("src/gen.c", "/* @generated */\nint g;\n");
  platform_.directoryAnswer = QDir(files_->path()).filePath("src");
  child<QCheckBox>("recursiveCheck")->setChecked(true);
  chooseLanguage("Автоопределение");
  for (const char* box : boxes) {
    QVERIFY2(!child<QCheckBox>(box)->isHidden() && child<QCheckBox>(box)->isChecked(), box);
  }
  QVERIFY(analyse("directoryButton"));
  QCOMPARE(tableRows("filesTable").size(), 1);
  QVERIFY2(resultText().contains(
               "Пропущено файлов: 2 (язык не определён: 0, двоичных: 0, сторонних: 1, "
               "сгенерированных: 1)"),
           qPrintable(resultText()));
  child<QCheckBox>("vendoredCheck")->setChecked(false);
  child<QCheckBox>("generatedCheck")->setChecked(false);
  QVERIFY(analyse("directoryButton"));
  QCOMPARE(tableRows("filesTable").size(), 3);
  chooseLanguage("C++");
  for (const char* box : boxes) QVERIFY2(child<QCheckBox>(box)->isHidden(), box);
}

void tst_mainDialog::autoDetectionTotalsEachLanguage() {
  writeFile("src/a.c", "/**x */\nint a;\n");  // a doc comment
  writeFile("src/b.pas", "{ p }\nbegin end.\n");
  writeFile("src/NOTES", "plain text\n");
  writeFile("src/sub/c.c", "// y\n\nint c;\n");
  platform_.directoryAnswer = QDir(files_->path()).filePath("src");
  child<QCheckBox>("recursiveCheck")->setChecked(true);
  child<QCheckBox>("firstCommentCheck")->setChecked(true);
  chooseLanguage("Автоопределение");
  QVERIFY(analyse("directoryButton"));

  // Columns: name, size, comment characters, their %, comments, todo, fixme,
  // lines, blank, comment and code lines, comment-line %, doc comments, their lines.
  // Languages in the table's order.
  QCOMPARE(tableRows("languagesTable"),
           QStringList({"Delphi|17|5|29.41|1|0|0|2|0|1|1|50.00|0|0",
                        "C|28|11|39.29|2|0|0|5|1|2|2|50.00|1|1"}));
  QCOMPARE(tableRows("directoriesTable"),
           QStringList({"sub/|13|4|30.77|1|0|0|3|1|1|1|50.00|0|0"}));
  QCOMPARE(tableRows("filesTable"),
           QStringList({"a.c|C|15|7|46.67|1|0|0|2|0|1|1|50.00|1|1",
                        "b.pas|Delphi|17|5|29.41|1|0|0|2|0|1|1|50.00|0|0",
                        "sub/c.c|C|13|4|30.77|1|0|0|3|1|1|1|50.00|0|0"}));

  // The summary is the text report of -l auto: line figures, the skipped
  // file, a block per language.
  const QString summary = resultText();
  QVERIFY2(summary.contains("Имя файла: Все файлы\n  символов комментариев(размер файла): 16 (45)\n"),
           qPrintable(summary));
  QVERIFY(summary.contains("  строк (пустых, комментариев, кода): 7 (1, 3, 3)\n"
                           "  % строк комментариев: 50.000000 % \n\n"
                           "Пропущено файлов: 1 (язык не определён: 1, двоичных: 0)\n\n"
                           "Язык: Delphi\n"));
  QVERIFY(summary.endsWith("Язык: C\n  символов комментариев(размер файла): 11 (28)\n"
                           "  количество комментариев: 2 \n  отметок операторов: 2\n"
                           "  % комментариев: 39.285714 % \n"
                           "  кол-во отметок/кол-во комментариев: 1.000000\n"
                           "  fixme+todo слов: 0\n  строк (пустых, комментариев, кода): 5 (1, 2, 2)\n"
                           "  % строк комментариев: 50.000000 % \n\n"));

  // Its reports are those of -l auto.
  platform_.saveAnswer = QDir(files_->path()).filePath("report.json");
  child<QPushButton>("save-json")->click();
  QFile report(platform_.saveAnswer);
  QVERIFY(report.open(QIODevice::ReadOnly));
  const QByteArray json = report.readAll();
  QVERIFY2(json.contains("\"language\": \"auto\",\n  \"mode\": \"exact\""), json.constData());
}

// Sizes 100, 9 and 10 in walk order: as text, "10" would sort before "9".
void tst_mainDialog::filesTableSortsNumbersByValue() {
  writeFile("src/a.cpp", QByteArray(100, ' '));
  writeFile("src/b.cpp", QByteArray(9, ' '));
  writeFile("src/c.cpp", QByteArray(10, ' '));
  platform_.directoryAnswer = QDir(files_->path()).filePath("src");
  QVERIFY(analyse("directoryButton"));
  auto* table = showTab<QTableView>("filesTable");
  QHeaderView* header = table->horizontalHeader();
  QCOMPARE(table->model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Размер"));
  auto names = [this] {
    QStringList names;
    for (const QString& row : tableRows("filesTable")) names.append(row.section('|', 0, 0));
    return names;
  };
  QCOMPARE(names(), QStringList({"a.cpp", "b.cpp", "c.cpp"}));
  // The first click shows the largest first, the second the smallest.
  // Near its edges a click would grab the border to resize.
  const QPoint size(header->sectionViewportPosition(2) + header->sectionSize(2) / 2,
                    header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, size);
  QCOMPARE(names(), QStringList({"a.cpp", "c.cpp", "b.cpp"}));
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, size);
  QCOMPARE(names(), QStringList({"b.cpp", "c.cpp", "a.cpp"}));
  // The classic rules count no lines: no line columns.
  QCOMPARE(table->model()->columnCount(), 8);
}

void tst_mainDialog::todoDoubleClickOpensItsLine() {
  const QString path = writeFile("src/a.cpp", "int a;\n\n  // TODO: x\n");
  platform_.directoryAnswer = QDir(files_->path()).filePath("src");
  QVERIFY(analyse("directoryButton"));
  auto* table = showTab<QTableView>("todoTable");
  QCOMPARE(tableRows("todoTable"), QStringList({"a.cpp:3:6|todo|// TODO: x"}));
  // A double click as the window system sends it: a click, then the double click.
  const QPoint cell = table->visualRect(table->model()->index(0, 2)).center();
  auto doubleClick = [&] {
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
  };
  doubleClick();
  QCOMPARE(platform_.openedFiles, (QList<QPair<QString, qint64>>({{path, 3}})));
  QVERIFY(platform_.messages.isEmpty());

  // A file that no program takes is reported.
  platform_.urlsOpen = false;
  doubleClick();
  QCOMPARE(platform_.messages.size(), 1);
  QVERIFY2(platform_.messages[0].text.contains("«" + path + "»"),
           qPrintable(platform_.messages[0].text));
}

void tst_mainDialog::unreadableInputIsReported() {
  const QString gone = QDir(files_->path()).filePath("gone");
  platform_.directoryAnswer = gone;
  // The warning runs an event loop of its own; the finished analysis's
  // progress dialog must not be left to show itself over it.
  int progressDialogs = -1;
  platform_.whileMessageShows = [this, &progressDialogs] {
    progressDialogs = static_cast<int>(window_->findChildren<QProgressDialog*>().size());
  };
  QVERIFY(analyse("directoryButton"));
  QCOMPARE(progressDialogs, 0);
  QCOMPARE(resultNames(), QStringList({"Все файлы"}));
  QCOMPARE(platform_.messages.size(), 1);
  QCOMPARE(platform_.messages[0].icon, QMessageBox::Warning);
  QVERIFY2(platform_.messages[0].text.contains("«" + gone + "/»"),
           qPrintable(platform_.messages[0].text));

  // What the program finds itself it says in the window's language.
  platform_.openAnswer = QDir(files_->path()).filePath("fifo.cpp");
  QVERIFY(mkfifo(QFile::encodeName(platform_.openAnswer), 0600) == 0);
  QVERIFY(analyse("fileButton"));
  QCOMPARE(platform_.messages.size(), 2);
  QVERIFY2(platform_.messages[1].text.endsWith("/fifo.cpp»: не обычный файл"),
           qPrintable(platform_.messages[1].text));
}

enum class cancelWay { cancelButton, escapeKey, dialogClosed, windowClosed };
Q_DECLARE_METATYPE(cancelWay)

void tst_mainDialog::cancelDiscardsTheAnalysis_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<cancelWay>("way");
  QTest::newRow("cancel button, tree") << "directoryButton" << cancelWay::cancelButton;
  QTest::newRow("Escape, one file") << "fileButton" << cancelWay::escapeKey;
  QTest::newRow("progress dialog closed") << "directoryButton" << cancelWay::dialogClosed;
  QTest::newRow("main window closed") << "directoryButton" << cancelWay::windowClosed;
}

void tst_mainDialog::cancelDiscardsTheAnalysis() {
  QFETCH(QString, button);
  QFETCH(cancelWay, way);
  platform_.openAnswer = writeFile("small.cpp", "int x;\n");
  QVERIFY(analyse("fileButton"));
  QVERIFY(child<QPushButton>("save-txt")->isEnabled());

  // A sparse file far too big to read through in the test's time: the stop
  // must come between two reads of the one file.
  QFile huge(QDir(files_->path()).filePath("huge.cpp"));
  QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(64) << 30));
  platform_.openAnswer = huge.fileName();
  platform_.directoryAnswer = files_->path();
  QSignalSpy finished(window_.get(), &mainDialog::analysisFinished);
  child<QPushButton>(button.toLatin1().constData())->click();
  QProgressDialog* progress = nullptr;
  QTRY_VERIFY((progress = window_->findChild<QProgressDialog*>()) && progress->isVisible());
  // A modal dialog would keep the window's close button from reaching it.
  QCOMPARE(QApplication::activeModalWidget(), nullptr);

  switch (way) {
    case cancelWay::cancelButton: progress->findChild<QPushButton*>()->click(); break;
    case cancelWay::escapeKey: QTest::keyClick(progress, Qt::Key_Escape); break;
    case cancelWay::dialogClosed: progress->close(); break;
    case cancelWay::windowClosed: window_->close(); break;
  }
  QTRY_COMPARE(finished.count(), 1);
  QCOMPARE(resultText(), QStringLiteral("Анализ прерван: результаты не сохранены.\n"));
  for (const std::string& name : saveButtons()) {
    QVERIFY2(!child<QPushButton>(name.c_str())->isEnabled(), name.c_str());
  }
  QVERIFY(window_->findChild<QProgressDialog*>() == nullptr);
  QTRY_COMPARE(window_->isVisible(), way != cancelWay::windowClosed);
}

// A name with a line break keeps to its row, shown with the line-feed symbol;
// the copy holds the name as it is.
void tst_mainDialog::copiesSelectedLines() {
  platform_.openAnswer = writeFile("two\nlines.cpp", "// one\nint x;\n");
  QVERIFY(analyse("fileButton"));
  const QString shownName = QString(platform_.openAnswer).replace('\n', QChar(0x2424));
  QCOMPARE(resultNames(), QStringList({shownName}));
  auto* result = child<QListView>("resultBox");
  for (int row : {3, 0, 2}) {
    result->selectionModel()->select(result->model()->index(row, 0), QItemSelectionModel::Select);
  }
  QTest::keySequence(result, QKeySequence::Copy);
  QCOMPARE(QApplication::clipboard()->text(),
           "Имя файла: " + platform_.openAnswer +
               "\n  количество комментариев: 0 \n  примерное количество строк кода: 1");
}

void tst_mainDialog::saveButtonWritesItsFormat_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("defaultName");
  QTest::addColumn<QString>("filter");
  QTest::addColumn<QByteArray>("start");
  // The reports are Windows-1251: "Имя файла: " is C8 EC FF 20 F4 E0 E9 EB E0 3A 20.
  QTest::newRow("text") << "save-txt" << "coment.txt" << "Текстовые файлы (*.txt)"
                        << QByteArray("\xC8\xEC\xFF \xF4\xE0\xE9\xEB\xE0: ");
  QTest::newRow("XML") << "save-xml" << "coment.xml" << "Файлы XML (*.xml)"
                       << QByteArray("<?xml version='1.0' encoding='WINDOWS-1251'?>\r\n<main>\r\n"
                                     "  <file filename='");
  QTest::newRow("HTML") << "save-html" << "coment.html" << "Веб-файлы (*.html *.htm)"
                        << QByteArray("<html>\n<body>\n<table border=1>\r\n");
  // JSON tells the run the window made.
  QTest::newRow("JSON") << "save-json" << "coment.json" << "Файлы JSON (*.json)"
                        << QByteArray("{\n  \"program\": \"quillstat\",\n");
  QTest::newRow("CSV") << "save-csv" << "coment.csv" << "Файлы CSV (*.csv)"
                       << QByteArray("kind,path,size,commentChars,comments,statementMarks,");
}

void tst_mainDialog::saveButtonWritesItsFormat() {
  QFETCH(QString, button);
  QFETCH(QString, defaultName);
  QFETCH(QString, filter);
  QFETCH(QByteArray, start);
  platform_.openAnswer = writeFile("input.cpp", "int x;\n");
  QVERIFY(analyse("fileButton"));

  // Typed without an extension: the report goes to exactly that name.
  platform_.saveAnswer = QDir(files_->path()).filePath("report");
  child<QPushButton>(button.toLatin1().constData())->click();
  QCOMPARE(platform_.saveRequests.size(), 1);
  QCOMPARE(platform_.saveRequests[0].defaultPath, QDir::current().filePath(defaultName));
  QCOMPARE(platform_.saveRequests[0].filter, filter);
  QCOMPARE(platform_.saveRequests[0].title, QStringLiteral("Сохраните файл"));

  QFile report(platform_.saveAnswer);
  QVERIFY(report.open(QIODevice::ReadOnly));
  const QByteArray bytes = report.readAll();
  QVERIFY2(bytes.startsWith(start), bytes.left(80).constData());
  QVERIFY(bytes.contains(platform_.openAnswer.toUtf8()));
  QVERIFY(platform_.messages.isEmpty());
}

void tst_mainDialog::failedSaveShowsWarning() {
  platform_.openAnswer = writeFile("input.cpp", "int x;\n");
  QVERIFY(analyse("fileButton"));
  platform_.saveAnswer = QDir(files_->path()).filePath("no-such-dir/r.txt");
  child<QPushButton>("save-txt")->click();
  QCOMPARE(platform_.messages.size(), 1);
  QCOMPARE(platform_.messages[0].icon, QMessageBox::Warning);
  QCOMPARE(platform_.messages[0].text, "Не удалось сохранить отчёт в файл «" +
                                           platform_.saveAnswer + "»:\n" +
                                           QString::fromLocal8Bit(std::strerror(ENOENT)));
}

void tst_mainDialog::helpBoxes() {
  child<QPushButton>("maskHelpButton")->click();
  window_->findChild<QAction*>("commandLineHelpAction")->trigger();
  QCOMPARE(platform_.messages.size(), 2);
  QCOMPARE(platform_.messages[0].caption, QStringLiteral("Справка по заданию маски"));
  QVERIFY(platform_.messages[1].text.startsWith(QStringLiteral("Параметры запуска:")));
  // Every option, the late ones too.
  QVERIFY(platform_.messages[1].text.contains(QStringLiteral("\n--max-todo N - ")));
}

void tst_mainDialog::toolkitSpeaksRussian() {
  QVERIFY(quillstat::speakRussian(QCoreApplication::instance()));
  QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
}

void tst_mainDialog::helpMenuOpensHelpFile() {
  // The build copies the help file beside this test, as beside the program.
  window_->findChild<QAction*>("helpFileAction")->trigger();
  QCOMPARE(platform_.openedUrls,
           QList<QUrl>({QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                            "/quillstatHelp.html")}));
  QVERIFY(platform_.messages.isEmpty());

  // A help file that no program can show is reported.
  platform_.urlsOpen = false;
  window_->findChild<QAction*>("helpFileAction")->trigger();
  QCOMPARE(platform_.messages.size(), 1);
  QCOMPARE(platform_.messages[0].icon, QMessageBox::Warning);
}

QTEST_MAIN(tst_mainDialog)
#include "tst_maindialog.moc"
