#include <QApplication>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "tests/gui/fake_platform.h"
#include "ui/gui/about_box.h"

class tst_aboutBox : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void linksGoToTheSystemAndTheBoxStays_data();
  void linksGoToTheSystemAndTheBoxStays();
  void onlyOkOrTheCloseButtonCloses();

 private:
  QPushButton* button(const QString& name) { return box_->findChild<QPushButton*>(name); }

  quillstat::fakePlatform platform_;
  quillstat::platformServices services_;
  std::unique_ptr<quillstat::aboutBox> box_;
};

void tst_aboutBox::init() {
  platform_ = quillstat::fakePlatform();
  services_ = platform_.services();
  box_ = std::make_unique<quillstat::aboutBox>(services_);
  box_->show();
  QVERIFY(QTest::qWaitForWindowExposed(box_.get()));
}

void tst_aboutBox::cleanup() {
  box_.reset();
  QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_aboutBox::linksGoToTheSystemAndTheBoxStays_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QUrl>("url");
  QTest::addColumn<bool>("opens");
  QTest::newRow("home page") << "homePageButton" << QUrl("https://quillstat.example.org/") << true;
  QTest::newRow("mail") << "mailButton" << QUrl("mailto:author@quillstat.example.org") << true;
  QTest::newRow("no program takes it") << "homePageButton"
                                       << QUrl("https://quillstat.example.org/") << false;
}

void tst_aboutBox::linksGoToTheSystemAndTheBoxStays() {
  QFETCH(QString, button);
  QFETCH(QUrl, url);
  QFETCH(bool, opens);
  platform_.urlsOpen = opens;
  this->button(button)->click();
  this->button(button)->click();
  QCOMPARE(platform_.openedUrls, QList<QUrl>({url, url}));
  // A link nobody opens is said, with its address.
  QCOMPARE(platform_.messages.size(), opens ? 0 : 2);
  if (!opens) QVERIFY(platform_.messages[0].text.contains(url.toString()));
  QVERIFY(box_->isVisible());
}

void tst_aboutBox::onlyOkOrTheCloseButtonCloses() {
  QTest::keyClick(box_.get(), Qt::Key_Escape);
  QVERIFY(box_->isVisible());
  button("okButton")->click();
  QVERIFY(!box_->isVisible());
  box_->show();
  box_->close();
  QVERIFY(!box_->isVisible());
}

QTEST_MAIN(tst_aboutBox)
#include "tst_aboutbox.moc"
