#ifndef QUILLSTAT_UI_GUI_GUI_MAIN_H_
#define QUILLSTAT_UI_GUI_GUI_MAIN_H_

namespace quillstat {

// Runs the program's window: creates the application object from argc and
// argv (which must stay valid until it returns), shows the main window and
// runs the event loop until the window is closed. Returns the exit status.
int runGui(int argc, char** argv);

}  // namespace quillstat

#endif  // QUILLSTAT_UI_GUI_GUI_MAIN_H_
