// The window program, quillstat-window: the batch program starts it when its
// command line names no batch run.
#include <QApplication>
#include <QIcon>
#include <cstdlib>

#include "quillstat_version.h"
#include "ui/gui/main_dialog.h"
#include "ui/gui/platform_services.h"
#include "ui/gui/window_language.h"
#include "ui/window_program.h"

namespace {

QtMessageHandler toolkitHandler = nullptr;

// While the toolkit connects to the window system, its fatal error (a
// display that is named but cannot be opened, no usable platform) would
// abort with advice to reinstall: the program ends instead as when there is
// no window system at all.
void handleStartupMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& text) {
  if (type == QtFatalMsg) std::_Exit(quillstat::explainBatchMode("cannot open the window"));
  toolkitHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace quillstat;
  toolkitHandler = qInstallMessageHandler(handleStartupMessage);
  QApplication application(argc, argv);
  qInstallMessageHandler(toolkitHandler);
  QApplication::setApplicationName(QStringLiteral("quillstat"));
  QApplication::setApplicationVersion(QStringLiteral(QUILLSTAT_VERSION));
  // Lets Wayland and the task bar match the window with the installed entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("quillstat"));
  speakRussian(&application);

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
