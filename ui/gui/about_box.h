#ifndef QUILLSTAT_UI_GUI_ABOUT_BOX_H_
#define QUILLSTAT_UI_GUI_ABOUT_BOX_H_

#include <QDialog>

#include "ui/gui/platform_services.h"

class QPushButton;

namespace quillstat {

// The author's address, for the mail link of the about box.
inline constexpr char authorMailAddress[] = "author@quillstat.example.org";

// The about box "О программе": picture, motto, version and two link buttons,
// one to the home page (its caption is the address) and one starting a mail
// to the author. The links go to the system through `services.openUrl`,
// which must outlive the box; the box stays open after either. OK and the
// window's close button close it; Escape does not.
class aboutBox : public QDialog {
  Q_OBJECT

 public:
  aboutBox(const platformServices& services, QWidget* parent = nullptr);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void openHomePage();
  void writeToAuthor();
  void openLink(const QUrl& url);

  const platformServices& services_;
};

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_ABOUT_BOX_H_
