#ifndef QUILLSTAT_UI_GUI_DIALOG_FILTERS_H_
#define QUILLSTAT_UI_GUI_DIALOG_FILTERS_H_

#include <QString>

#include "report/report_format.h"

namespace quillstat {

// The filter of the file button's open dialog, in the toolkit's syntax: the
// pair "Files of <languageName>" with the mask list, then "All files" with
// "*.*". The masks are split at ';' and blanks, empty ones dropped; brackets,
// which the toolkit would take as the end of the pattern list, are dropped
// too. ("C++", "*.cpp;*.h") gives "Files of C++ (*.cpp *.h);;All files (*.*)".
QString openFileFilter(const QString& languageName, const QString& masks);

// What one save button writes: the report format, the name the save dialog
// is preset with and its one filter pair in the toolkit's syntax.
struct saveTarget {
  reportFormat format;
  const char* defaultName;  // "coment.txt"
  const char* filter;       // "Text files (*.txt)"
};

// The row of `format`; every reportFormat has one.
const saveTarget& saveTargetFor(reportFormat format);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_DIALOG_FILTERS_H_
