// The window program, quillstat-window: the batch program starts it when its
// command line names no batch run.
#include <QApplication>
#include <QIcon>

#include "quillstat_version.h"
#include "ui/gui/main_dialog.h"
#include "ui/gui/platform_services.h"

int main(int argc, char** argv) {
  using namespace quillstat;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quillstat"));
  QApplication::setApplicationVersion(QStringLiteral(QUILLSTAT_VERSION));
  // Lets Wayland and the task bar match the window with the installed entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("quillstat"));

  QIcon icon;
  for (int size : {16, 32, 48}) {
    icon.addFile(QStringLiteral(":/quillstat/quillstat-%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);

  const platformServices services = systemServices();
  mainDialog window(services);
  window.show();
  return QApplication::exec();
}
