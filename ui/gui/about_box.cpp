#include "ui/gui/about_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "quillstat_version.h"
#include "report/home_page.h"

namespace quillstat {

aboutBox::aboutBox(const platformServices& services, QWidget* parent)
    : QDialog(parent), services_(services) {
  setWindowTitle(QStringLiteral("О программе"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setPixmap(QPixmap(QStringLiteral(":/quillstat/about.png")));
  picture->setAlignment(Qt::AlignCenter);

  auto* motto = new QLabel(
      QStringLiteral("\"Комментарии нужны не только для того, чтобы исключать "
                     "не используемый код\""),
      this);
  motto->setObjectName(QStringLiteral("motto"));
  motto->setWordWrap(true);

  auto* homePageButton = new QPushButton(QString::fromUtf8(homePageAddress), this);
  homePageButton->setObjectName(QStringLiteral("homePageButton"));
  homePageButton->setAutoDefault(false);
  auto* mailButton = new QPushButton(QStringLiteral("Написать автору"), this);
  mailButton->setObjectName(QStringLiteral("mailButton"));
  mailButton->setAutoDefault(false);
  auto* okButton = new QPushButton(QStringLiteral("OK"), this);
  okButton->setObjectName(QStringLiteral("okButton"));
  okButton->setDefault(true);

  // Rows from the top: the version with its number at the right, the
  // home-page label, its button indented below it, then the mail button at
  // the left and OK at the right.
  auto* details = new QGridLayout;
  details->addWidget(new QLabel(QStringLiteral("Версия:"), this), 0, 0);
  details->addWidget(new QLabel(QStringLiteral(QUILLSTAT_VERSION), this), 0, 2, Qt::AlignRight);
  details->addWidget(new QLabel(QStringLiteral("Страничка программы"), this), 1, 0, 1, 3);
  details->addWidget(homePageButton, 2, 1, 1, 2);
  details->setColumnMinimumWidth(0, 40);
  details->setColumnStretch(1, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(mailButton);
  buttons->addStretch(1);
  buttons->addWidget(okButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture);
  layout->addWidget(motto);
  layout->addLayout(details);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(homePageButton, &QPushButton::clicked, this, &aboutBox::openHomePage);
  connect(mailButton, &QPushButton::clicked, this, &aboutBox::writeToAuthor);
  connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void aboutBox::keyPressEvent(QKeyEvent* event) {
  // Escape keeps the box open: only OK and the close button end it.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void aboutBox::openHomePage() { openLink(QUrl(QString::fromUtf8(homePageAddress))); }

void aboutBox::writeToAuthor() {
  openLink(QUrl(QStringLiteral("mailto:") + QLatin1String(authorMailAddress)));
}

void aboutBox::openLink(const QUrl& url) {
  if (services_.openUrl(url)) return;
  services_.showMessageBox(this, QMessageBox::Warning, QStringLiteral("О программе"),
                           QStringLiteral("Не удалось открыть адрес «%1»: в системе нет "
                                          "программы для него.")
                               .arg(url.toString()));
}

}  // namespace quillstat
