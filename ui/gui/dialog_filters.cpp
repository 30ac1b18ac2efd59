#include "ui/gui/dialog_filters.h"

#include <QRegularExpression>
#include <QStringList>

namespace quillstat {

QString openFileFilter(const QString& languageName, const QString& masks) {
  QString cleaned = masks;
  cleaned.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
  static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
  const QStringList patterns = cleaned.split(separators, Qt::SkipEmptyParts);
  return QStringLiteral("Files of %1 (%2);;All files (*.*)")
      .arg(languageName, patterns.join(QLatin1Char(' ')));
}

const saveTarget& saveTargetFor(reportFormat format) {
  static const saveTarget targets[] = {
      {reportFormat::txt, "coment.txt", "Text files (*.txt)"},
      {reportFormat::xml, "coment.xml", "XML files (*.xml)"},
      {reportFormat::html, "coment.html", "Web-files (*.html *.htm)"},
  };
  return targets[static_cast<int>(format)];
}

}  // namespace quillstat
