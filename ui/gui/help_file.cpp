#include "ui/gui/help_file.h"

#include <QDir>
#include <QFileInfo>

namespace quillstat {

QStringList helpFileCandidates(const QString& executableDirectory) {
  const QDir beside(executableDirectory);
  QStringList candidates{
      QDir::cleanPath(beside.filePath(QLatin1String(helpFileName))),
      QDir::cleanPath(beside.filePath(QStringLiteral(QUILLSTAT_RELATIVE_DATA_DIR "/") +
                                      QLatin1String(helpFileName))),
      QDir::cleanPath(QStringLiteral(QUILLSTAT_INSTALL_DATA_DIR "/") +
                      QLatin1String(helpFileName)),
  };
  candidates.removeDuplicates();
  return candidates;
}

QString findHelpFile(const QStringList& candidates) {
  for (const QString& candidate : candidates) {
    if (QFileInfo(candidate).isFile()) return candidate;
  }
  return QString();
}

}  // namespace quillstat
