#pragma once

struct AppContext;
class QMenu;
class StringGrid;

// The context menu of every grid of the windows: the right mouse button, the
// Menu key or Shift+F10 open it, at the mouse or at the current cell, and
// its entries are reached by their letters or the arrow keys. A command for
// the grids goes into CreateGridMenu, and every grid offers it.
void InstallGridMenu(StringGrid* grid, const AppContext& context);

// The menu, built afresh for each opening; the caller owns it.
QMenu* CreateGridMenu(StringGrid* grid, const AppContext& context);
