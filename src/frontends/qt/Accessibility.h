#pragma once

#include <QString>

// What screen readers are told beyond Qt's own accessible interfaces: a
// dialog says whether it is modal, a bare frame, which the windows draw only
// as decoration, is hidden from them, and a read-only edit gives its text as
// one run of attributes. Installed once per application.
void InstallAccessibleInterfaces();

// A caption as a screen reader should say it. Japanese captions are spread
// out with blanks to fill their buttons ("閉 じ る"); read as they stand they
// would be spelt out character by character. Blanks next to Latin text stay.
QString SpokenCaption(const QString& caption);
