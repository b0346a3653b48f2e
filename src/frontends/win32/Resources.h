#pragma once

// Identifiers shared by the resource script and the code.
#define IDI_TURVANE 1
// Each control of a window is known by this plus its place in the window's
// design table, so that tools can find it by its design name.
#define TURVANE_FIRST_CONTROL_ID 100
