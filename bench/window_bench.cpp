// Times the window on a directory tree: from the click on "В директории"
// (sub-directories searched) to the summary painted, and prints the peak
// resident set of the process, to set against the batch run
// `quillstat -d DIRECTORY -s -e MASKS -o report.txt` under /usr/bin/time -v.
//
//   window_bench DIRECTORY [MASKS [RUNS]]     (MASKS "*.*", RUNS 3 by default)
//
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <sys/resource.h>

#include "ui/gui/main_dialog.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 4) {
    std::fprintf(stderr, "usage: window_bench DIRECTORY [MASKS [RUNS]]\n");
    return 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  const QString directory = QString::fromLocal8Bit(argv[1]);
  const QString masks = QString::fromLocal8Bit(argc > 2 ? argv[2] : "*.*");
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;

  quillstat::platformServices services;
  services.askOpenFileName = [](QWidget*, const QString&, const QString&) { return QString(); };
  services.askSaveFileName = [](QWidget*, const QString&, const QString&, const QString&) {
    return QString();
  };
  services.askDirectory = [&directory](QWidget*, const QString&) { return directory; };
  // A tree such as /usr/share holds unreadable files; the warning must not wait.
  services.showMessageBox = [](QWidget*, QMessageBox::Icon, const QString&, const QString&) {};
  services.openUrl = [](const QUrl&) { return true; };
  services.openFileAtLine = [](const QString&, qint64) { return true; };

  quillstat::mainDialog window(services);
  window.show();
  window.findChild<QCheckBox*>(QStringLiteral("recursiveCheck"))->setChecked(true);
  window.findChild<QLineEdit*>(QStringLiteral("maskEdit"))->setText(masks);
  auto* button = window.findChild<QPushButton*>(QStringLiteral("directoryButton"));

  std::vector<double> seconds;
  for (int run = 0; run < runs; ++run) {
    QEventLoop loop;
    QObject::connect(&window, &quillstat::mainDialog::analysisFinished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    button->click();
    loop.exec();
    // The summary counts as shown once the window has painted it.
    window.repaint();
    seconds.push_back(clock.nsecsElapsed() / 1e9);
  }
  std::sort(seconds.begin(), seconds.end());
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("click to summary, %d runs: min %.2f s, median %.2f s, max %.2f s\n", runs,
              seconds.front(), seconds[seconds.size() / 2], seconds.back());
  std::printf("peak resident set: %ld MB\n", usage.ru_maxrss / 1024);
  return 0;
}
