#ifndef QUILLSTAT_UI_GUI_PLATFORM_SERVICES_H_
#define QUILLSTAT_UI_GUI_PLATFORM_SERVICES_H_

#include <QMessageBox>
#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace quillstat {

// The services of the window system that the dialogs ask for, each behind one
// replaceable function so that tests can answer in the user's place. Every
// member must be set; systemServices() gives the real ones.
struct platformServices {
  // The open-file dialog: `filter` in the toolkit's syntax ("Files of C++
  // (*.cpp *.h);;All files (*.*)"), its first pair selected. Returns the full
  // path of an existing file, or an empty string when the user cancels.
  std::function<QString(QWidget* owner, const QString& filter, const QString& startDirectory)>
      askOpenFileName;

  // The save dialog: preset with `defaultPath`, asks before replacing an
  // existing file and adds no extension. Returns the chosen path, or an empty
  // string when the user cancels.
  std::function<QString(QWidget* owner, const QString& defaultPath, const QString& filter,
                        const QString& title)>
      askSaveFileName;

  // The directory chooser. Returns the chosen directory (without a trailing
  // separator, except for the root), or an empty string when the user cancels.
  std::function<QString(QWidget* owner, const QString& startDirectory)> askDirectory;

  // A message box with an OK button; returns when the user closes it.
  std::function<void(QWidget* owner, QMessageBox::Icon icon, const QString& caption,
                     const QString& text)>
      showMessageBox;

  // Hands `url` (a web page, a mailto: address, a local file) to the system.
  // Returns false when no program took it.
  std::function<bool(const QUrl& url)> openUrl;

  // Opens the file at `path` in the desktop's program for it, at line `line`
  // (from 1) where the platform can ask a program for a line. Returns false
  // when no program took it.
  std::function<bool(const QString& path, qint64 line)> openFileAtLine;
};

// The toolkit's own dialogs and QDesktopServices.
platformServices systemServices();

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_PLATFORM_SERVICES_H_
