#pragma once

struct AppContext;
class QString;
class QWidget;

// Ctrl+P and the grids' "印刷...": reads the data files afresh into the
// document and opens Qt's print preview of it, modal to window, from where
// it goes to a printer or a PDF file. Throws ScheduleError, and shows
// nothing, when the files cannot be read as the windows read them or the
// print plugin cannot be loaded.
void PrintFromWindow(QWidget* window, const AppContext& context);

// What the preview's print does when the user chose a PDF file at path: the
// file written whole, or the error box with the reason. Without the dialogs,
// for the tests; throws as PrintFromWindow does.
void PrintToFileFromWindow(const AppContext& context, const QString& path);

// Ctrl+P anywhere in window prints as above; a failure goes to the error box.
void InstallPrintShortcut(QWidget* window, const AppContext& context);
