#include "ui/gui/platform_services.h"

#include <QDesktopServices>
#include <QFileDialog>

namespace quillstat {

platformServices systemServices() {
  platformServices services;
  services.askOpenFileName = [](QWidget* owner, const QString& filter,
                                const QString& startDirectory) {
    // An empty caption leaves the toolkit's own title.
    return QFileDialog::getOpenFileName(owner, QString(), startDirectory, filter);
  };
  services.askSaveFileName = [](QWidget* owner, const QString& defaultPath, const QString& filter,
                                const QString& title) {
    // QFileDialog confirms overwriting by default and, with no default suffix
    // set, keeps the name exactly as typed.
    return QFileDialog::getSaveFileName(owner, title, defaultPath, filter);
  };
  services.askDirectory = [](QWidget* owner, const QString& startDirectory) {
    return QFileDialog::getExistingDirectory(owner, QString(), startDirectory);
  };
  services.showMessageBox = [](QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                               const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
    box.exec();
  };
  services.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  // No desktop's way of opening a file (xdg-open, the Windows shell, Launch
  // Services) takes a line, and the editors that do differ in how: the file
  // opens at its start.
  services.openFileAtLine = [](const QString& path, qint64) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  };
  return services;
}

}  // namespace quillstat
