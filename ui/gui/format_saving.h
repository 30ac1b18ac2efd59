#ifndef QUILLSTAT_UI_GUI_FORMAT_SAVING_H_
#define QUILLSTAT_UI_GUI_FORMAT_SAVING_H_

#include "report/report_format.h"

namespace quillstat {

// How the window offers to save a report of one format: texts in UTF-8.
struct formatSaving {
  const char* buttonLabel;  // after "Сохранить отчёт как ": "текстовый файл"
  const char* fileName;     // the name the save dialog is preset with
  const char* filter;       // the save dialog's filter pair, in the toolkit's syntax
};

// The window's texts for saving `format`; every format has them.
const formatSaving& savingOf(reportFormat format);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_FORMAT_SAVING_H_
