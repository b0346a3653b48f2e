#pragma once

// What screen readers are told beyond Qt's own accessible interfaces: a
// dialog says whether it is modal, and a bare frame, which the windows draw
// only as decoration, is hidden from them. Installed once per application.
void InstallAccessibleInterfaces();
