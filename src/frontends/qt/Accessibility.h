#pragma once

// What screen readers are told beyond Qt's own accessible interfaces: a
// dialog says whether it is modal, a bare frame, which the windows draw only
// as decoration, is hidden from them, and a read-only edit gives its text as
// one run of attributes. Installed once per application.
void InstallAccessibleInterfaces();
