#pragma once

class QString;
class QWidget;
struct AppContext;

// Asks for a file with the save dialog ("turvane-YYYY.ics" proposed) and
// writes the calendar there: the meetings and graded races, or the graded
// races alone. A failure shows the error box. Returns whether a file was
// written; false also when the dialog was cancelled.
bool ExportCalendarFromWindow(QWidget* parent, const AppContext& context, bool gradedOnly);

// The writing half, without the dialog.
bool ExportCalendarTo(const QString& path, const AppContext& context, bool gradedOnly);
