#ifndef QUILLSTAT_UI_GUI_OPEN_FILE_FILTER_H_
#define QUILLSTAT_UI_GUI_OPEN_FILE_FILTER_H_

#include <QString>

namespace quillstat {

// The filter of the file button's open dialog, in the toolkit's syntax: the
// pair "Файлы <languageName>" with the mask list, then "Все файлы" with
// "*.*". The masks are split at ';' and blanks, empty ones dropped; brackets,
// which the toolkit would take as the end of the pattern list, are dropped
// too. ("C++", "*.cpp;*.h") gives "Файлы C++ (*.cpp *.h);;Все файлы (*.*)";
// without a mask only "Все файлы (*.*)" is left.
// (The save dialogs' filters are in format_saving.h.)
QString openFileFilter(const QString& languageName, const QString& masks);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_OPEN_FILE_FILTER_H_
