#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "report/home_page.h"
#include "tests/gui/fake_platform.h"
#include "ui/gui/about_box.h"

using quillstat::aboutBox;
using quillstat::fakePlatform;

class tst_aboutBox : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void showsTextsAndHomePage();
  void linksStayOpen_data();
  void linksStayOpen();
  void linkNobodyOpensIsReported();
  void escapeKeepsItOpen();
  void okAndCloseButtonClose_data();
  void okAndCloseButtonClose();

 private:
  QPushButton* button(const char* name) { return box_->findChild<QPushButton*>(name); }

  fakePlatform platform_;
  quillstat::platformServices services_;
  std::unique_ptr<aboutBox> box_;
};

void tst_aboutBox::init() {
  platform_ = fakePlatform();
  services_ = platform_.services();
  box_ = std::make_unique<aboutBox>(services_);
  box_->show();
  QVERIFY(QTest::qWaitForWindowExposed(box_.get()));
}

void tst_aboutBox::cleanup() {
  box_.reset();
  QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_aboutBox::showsTextsAndHomePage() {
  QCOMPARE(box_->windowTitle(), QStringLiteral("О программе"));
  QCOMPARE(button("homePageButton")->text(), QStringLiteral("https://quillstat.example.org/"));
  QCOMPARE(button("homePageButton")->text(), QString::fromUtf8(quillstat::homePageAddress));
  QCOMPARE(button("mailButton")->text(), QStringLiteral("Написать автору"));
  QCOMPARE(button("okButton")->text(), QStringLiteral("OK"));
  QVERIFY(button("okButton")->isDefault());

  QStringList texts;
  for (QLabel* label : box_->findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) texts.append(label->text());
  }
  for (const char* expected :
       {"\"Комментарии нужны не только для того, чтобы исключать не используемый код\"",
        "Версия:", "0.9", "Страничка программы"}) {
    QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
  }
  const QPixmap picture = box_->findChild<QLabel*>("picture")->pixmap();
  QCOMPARE(picture.size(), QSize(275, 106));
}

void tst_aboutBox::linksStayOpen_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QUrl>("url");
  QTest::newRow("home page") << "homePageButton" << QUrl("https://quillstat.example.org/");
  QTest::newRow("mail to the author") << "mailButton"
                                      << QUrl("mailto:author@quillstat.example.org");
}

void tst_aboutBox::linksStayOpen() {
  QFETCH(QString, button);
  QFETCH(QUrl, url);
  // Twice, as a user might: each click goes to the system, the box stays.
  this->button(button.toLatin1().constData())->click();
  this->button(button.toLatin1().constData())->click();
  QCOMPARE(platform_.openedUrls, QList<QUrl>({url, url}));
  QVERIFY(box_->isVisible());
  QVERIFY(platform_.messages.isEmpty());
}

void tst_aboutBox::linkNobodyOpensIsReported() {
  platform_.urlsOpen = false;
  button("homePageButton")->click();
  QCOMPARE(platform_.messages.size(), 1);
  QCOMPARE(platform_.messages[0].icon, QMessageBox::Warning);
  QVERIFY(platform_.messages[0].text.contains("https://quillstat.example.org/"));
  QVERIFY(box_->isVisible());
}

void tst_aboutBox::escapeKeepsItOpen() {
  QTest::keyClick(box_.get(), Qt::Key_Escape);
  QVERIFY(box_->isVisible());
}

void tst_aboutBox::okAndCloseButtonClose_data() {
  QTest::addColumn<bool>("viaOk");
  QTest::newRow("OK button") << true;
  QTest::newRow("window's close button") << false;
}

void tst_aboutBox::okAndCloseButtonClose() {
  QFETCH(bool, viaOk);
  if (viaOk) {
    button("okButton")->click();
  } else {
    box_->close();
  }
  QVERIFY(!box_->isVisible());
}

QTEST_MAIN(tst_aboutBox)
#include "tst_aboutbox.moc"
