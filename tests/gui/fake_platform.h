#ifndef QUILLSTAT_TESTS_GUI_FAKE_PLATFORM_H_
#define QUILLSTAT_TESTS_GUI_FAKE_PLATFORM_H_

#include <QList>
#include <QPair>
#include <functional>
#include <QString>
#include <QUrl>

#include "ui/gui/platform_services.h"

namespace quillstat {

// Answers the dialogs in the user's place and records what the window asked.
struct fakePlatform {
  struct message {
    QMessageBox::Icon icon;
    QString caption;
    QString text;
  };
  struct saveRequest {
    QString defaultPath;
    QString filter;
    QString title;
  };

  QString openAnswer;       // empty: the user cancels
  QString saveAnswer;       // empty: the user cancels
  QString directoryAnswer;  // empty: the user cancels
  bool urlsOpen = true;
  // Runs while a message box is open, as the user would see it.
  std::function<void()> whileMessageShows;

  QList<QString> openFilters;
  QList<QString> openStartDirectories;
  QList<saveRequest> saveRequests;
  int directoryRequests = 0;
  QList<message> messages;
  QList<QUrl> openedUrls;
  QList<QPair<QString, qint64>> openedFiles;  // path and line

  platformServices services() {
    platformServices result;
    result.askOpenFileName = [this](QWidget*, const QString& filter, const QString& start) {
      openFilters.append(filter);
      openStartDirectories.append(start);
      return openAnswer;
    };
    result.askSaveFileName = [this](QWidget*, const QString& defaultPath, const QString& filter,
                                    const QString& title) {
      saveRequests.append({defaultPath, filter, title});
      return saveAnswer;
    };
    result.askDirectory = [this](QWidget*, const QString&) {
      ++directoryRequests;
      return directoryAnswer;
    };
    result.showMessageBox = [this](QWidget*, QMessageBox::Icon icon, const QString& caption,
                                   const QString& text) {
      messages.append({icon, caption, text});
      if (whileMessageShows) whileMessageShows();
    };
    result.openUrl = [this](const QUrl& url) {
      openedUrls.append(url);
      return urlsOpen;
    };
    result.openFileAtLine = [this](const QString& path, qint64 line) {
      openedFiles.append({path, line});
      return urlsOpen;
    };
    return result;
  }
};

}  // namespace quillstat

#endif  // QUILLSTAT_TESTS_GUI_FAKE_PLATFORM_H_
