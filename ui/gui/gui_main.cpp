#include "ui/gui/gui_main.h"

#include <QApplication>
#include <QIcon>

#include "ui/gui/main_dialog.h"
#include "ui/gui/platform_services.h"

namespace quillstat {

int runGui(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("quillstat"));
  QApplication::setApplicationVersion(QStringLiteral("0.9"));
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

}  // namespace quillstat
