#pragma once

struct AppContext;
class QString;
class QWidget;

// What goes to paper: the schedule's tables, page after page, or the whole
// season on one page.
enum class Printout { Tables, Poster };

// Ctrl+P and the grids' "印刷..." (the tables) and "ポスターを印刷..." (the
// poster): reads the data files afresh into the printout and opens Qt's
// print preview of it, modal to window, from where it goes to a printer or
// a PDF file. Throws ScheduleError, and shows nothing, when the files cannot
// be read as the windows read them or the print plugin cannot be loaded.
void PrintFromWindow(QWidget* window, const AppContext& context,
                     Printout printout = Printout::Tables);

// What the preview's print does when the user chose a PDF file at path: the
// file written whole, or the error box with the reason. Without the dialogs,
// for the tests; throws as PrintFromWindow does.
void PrintToFileFromWindow(const AppContext& context, const QString& path,
                           Printout printout = Printout::Tables);

// Ctrl+P anywhere in window prints as above; a failure goes to the error box.
void InstallPrintShortcut(QWidget* window, const AppContext& context);
