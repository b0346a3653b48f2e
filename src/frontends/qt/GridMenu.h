#pragma once

struct AppContext;
class QMenu;
class StringGrid;

// What a grid's calendar export holds: the main window's grids show the
// meetings, the graded-race list the races alone.
enum class CalendarContent { MeetingsAndRaces, GradedRacesOnly };

// The context menu of every grid of the windows: the right mouse button, the
// Menu key or Shift+F10 open it, at the mouse or at the current cell, and
// its entries are reached by their letters or the arrow keys. A command for
// the grids goes into CreateGridMenu, and every grid offers it.
void InstallGridMenu(StringGrid* grid, const AppContext& context,
                     CalendarContent calendar = CalendarContent::MeetingsAndRaces);

// The menu, built afresh for each opening; the caller owns it.
QMenu* CreateGridMenu(StringGrid* grid, const AppContext& context,
                      CalendarContent calendar = CalendarContent::MeetingsAndRaces);
