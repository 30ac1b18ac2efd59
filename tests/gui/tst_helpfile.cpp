#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/gui/help_file.h"

class tst_helpFile : public QObject {
  Q_OBJECT

 private slots:
  void firstExistingCandidateWins_data();
  void firstExistingCandidateWins();
  void besideTheProgramComesFirst();
};

void tst_helpFile::firstExistingCandidateWins_data() {
  QTest::addColumn<QStringList>("existing");  // which of "one", "two", "three" exist
  QTest::addColumn<QString>("found");
  QTest::newRow("all three") << QStringList({"one", "two", "three"}) << "one";
  QTest::newRow("only the last") << QStringList({"three"}) << "three";
  QTest::newRow("the middle one") << QStringList({"two"}) << "two";
  QTest::newRow("none") << QStringList() << "";
}

void tst_helpFile::firstExistingCandidateWins() {
  QFETCH(QStringList, existing);
  QFETCH(QString, found);
  QTemporaryDir directory;
  QVERIFY(directory.isValid());
  const QDir root(directory.path());
  for (const QString& name : existing) {
    QFile file(root.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
  }
  // A directory of the help file's name is not the help file.
  QVERIFY(root.mkdir("dir"));
  const QStringList candidates{root.filePath("dir"), root.filePath("one"), root.filePath("two"),
                               root.filePath("three")};
  QCOMPARE(quillstat::findHelpFile(candidates),
           found.isEmpty() ? QString() : root.filePath(found));
}

void tst_helpFile::besideTheProgramComesFirst() {
  const QStringList candidates = quillstat::helpFileCandidates("/opt/q/bin");
  QVERIFY(candidates.size() >= 2);
  QCOMPARE(candidates[0], QStringLiteral("/opt/q/bin/quillstatHelp.html"));
  // An installation moved as a whole keeps its help in ../share/quillstat.
  QCOMPARE(candidates[1], QStringLiteral("/opt/q/share/quillstat/quillstatHelp.html"));
}

QTEST_MAIN(tst_helpFile)
#include "tst_helpfile.moc"
