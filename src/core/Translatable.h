#pragma once

// Marks a message of the data layer for the translation tools, which read it
// from the source; the command line translates it when it prints it. The
// data layer itself stays free of Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
