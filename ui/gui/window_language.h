#ifndef QUILLSTAT_UI_GUI_WINDOW_LANGUAGE_H_
#define QUILLSTAT_UI_GUI_WINDOW_LANGUAGE_H_

class QCoreApplication;

namespace quillstat {

// Loads the toolkit's own Russian texts (its file dialogs, standard buttons
// and context menus), so that the whole window speaks the language of its
// own texts. Returns false when the toolkit's translations are not
// installed; the toolkit's parts then stay English.
bool speakRussian(QCoreApplication* application);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_WINDOW_LANGUAGE_H_
