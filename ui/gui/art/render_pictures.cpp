// Renders the main window after a directory analysis and the about box to
// PNG files, for the documentation: render_pictures OUTPUT_DIRECTORY.
// Run offscreen (QT_QPA_PLATFORM=offscreen); the target docs_pictures does.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "ui/gui/about_box.h"
#include "ui/gui/main_dialog.h"

namespace {

// A small tree of C++, Go and a Makefile with sub-directories, so that the
// picture shows several files, languages and directories.
bool writeSampleTree(const QDir& root) {
  struct sample {
    const char* path;
    const char* text;
  };
  static const sample files[] = {
      {"demo/main.cpp",
       "// Entry point of the demo.\n#include \"parser.h\"\n\nint main() {\n"
       "  // TODO: read the arguments\n  return parse(\"x\");\n}\n"},
      {"demo/parser.h", "/* Parses one line. */\nint parse(const char* line);\n"},
      {"demo/parser.cpp",
       "#include \"parser.h\"\n\nint parse(const char* line) {\n  int n = 0;\n"
       "  while (*line++) ++n;  // counts characters\n  return n;\n}\n"},
      {"demo/util/strings.cpp",
       "// String helpers.\n\n// FIXME: handle empty input\nint length(const char* s) {\n"
       "  int n = 0;\n  while (s[n]) ++n;\n  return n;\n}\n"},
      {"demo/Makefile", "# Builds the demo.\ndemo: main.cpp parser.cpp\n\tc++ -o $@ $^\n"},
      {"demo/tools/gen.go",
       "// Command gen writes the test data.\npackage main\n\nfunc main() {\n"
       "\t// TODO: take the size from the flags\n\twrite(100)\n}\n"},
  };
  for (const sample& file : files) {
    const QString path = root.filePath(QLatin1String(file.path));
    if (!root.mkpath(QFileInfo(path).path())) return false;
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.text) < 0) return false;
  }
  return true;
}

bool savePicture(QWidget& widget, const QDir& output, const char* name) {
  const QString path = output.filePath(QLatin1String(name));
  if (widget.grab().save(path, "PNG")) return true;
  std::fprintf(stderr, "render_pictures: cannot write '%s'\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: render_pictures OUTPUT_DIRECTORY\n");
    return 2;
  }
  const QDir output(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1])));
  QTemporaryDir work;
  if (!work.isValid() || !writeSampleTree(QDir(work.path()))) {
    std::fprintf(stderr, "render_pictures: cannot write the sample tree\n");
    return 1;
  }
  // Relative paths keep the temporary directory's name out of the picture.
  QDir::setCurrent(work.path());

  quillstat::platformServices services;
  services.askOpenFileName = [](QWidget*, const QString&, const QString&) { return QString(); };
  services.askSaveFileName = [](QWidget*, const QString&, const QString&, const QString&) {
    return QString();
  };
  services.askDirectory = [](QWidget*, const QString&) { return QStringLiteral("demo"); };
  services.showMessageBox = [](QWidget*, QMessageBox::Icon, const QString&, const QString& text) {
    std::fprintf(stderr, "render_pictures: unexpected message: %s\n", qPrintable(text));
  };
  services.openUrl = [](const QUrl&) { return true; };
  services.openFileAtLine = [](const QString&, qint64) { return true; };

  quillstat::mainDialog window(services);
  window.show();
  window.findChild<QCheckBox*>(QStringLiteral("recursiveCheck"))->setChecked(true);
  window.findChild<QCheckBox*>(QStringLiteral("firstCommentCheck"))->setChecked(true);
  auto* languages = window.findChild<QComboBox*>(QStringLiteral("languageBox"));
  languages->setCurrentIndex(languages->count() - 1);  // Автоопределение

  QEventLoop loop;
  QObject::connect(&window, &quillstat::mainDialog::analysisFinished, &loop, &QEventLoop::quit);
  QTimer::singleShot(30000, &loop, [&loop] { loop.exit(1); });
  window.findChild<QPushButton*>(QStringLiteral("directoryButton"))->click();
  if (loop.exec() != 0) {
    std::fprintf(stderr, "render_pictures: the analysis did not finish\n");
    return 1;
  }

  // The files' table, beside the summary, shows what the languages' detection found.
  QWidget* files = window.findChild<QWidget*>(QStringLiteral("filesTable"));
  window.findChild<QTabWidget*>()->setCurrentWidget(files);
  quillstat::aboutBox about(services, &window);
  about.show();
  const bool saved = savePicture(window, output, "main-window.png") &&
                     savePicture(about, output, "about-box.png");
  return saved ? 0 : 1;
}
