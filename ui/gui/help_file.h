#ifndef QUILLSTAT_UI_GUI_HELP_FILE_H_
#define QUILLSTAT_UI_GUI_HELP_FILE_H_

#include <QString>
#include <QStringList>

namespace quillstat {

// The name of the help document shipped with the program.
inline constexpr char helpFileName[] = "quillstatHelp.html";

// Where the help file may be, in search order: beside the executable (the
// build tree, an unpacked archive), the data directory relative to the
// executable (an installation moved as a whole), the data directory the
// build was configured to install into.
QStringList helpFileCandidates(const QString& executableDirectory);

// The first of `candidates` that is an existing file, or an empty string.
QString findHelpFile(const QStringList& candidates);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_HELP_FILE_H_
