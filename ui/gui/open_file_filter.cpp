#include "ui/gui/open_file_filter.h"

#include <QRegularExpression>
#include <QStringList>

namespace quillstat {

QString openFileFilter(const QString& languageName, const QString& masks) {
  QString cleaned = masks;
  cleaned.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
  static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
  const QStringList patterns = cleaned.split(separators, Qt::SkipEmptyParts);
  return QStringLiteral("Файлы %1 (%2);;Все файлы (*.*)")
      .arg(languageName, patterns.join(QLatin1Char(' ')));
}

}  // namespace quillstat
