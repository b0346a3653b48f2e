#pragma once

#include "screens/Design.h"

#include <QFont>
#include <QString>

// The window layouts name the Japanese desktop fonts; IPA's fonts have the
// same metrics. Call once after the application object exists.
void InstallFontSubstitutions();

inline const QString ProportionalGothic =
    QString::fromStdU16String(std::u16string(turvane::screens::ProportionalGothic));
inline const QString FixedGothic =
    QString::fromStdU16String(std::u16string(turvane::screens::FixedGothic));

// A font of the layouts: a family and a height in pixels.
QFont DesignFont(const QString& family, int pixelSize, bool bold = false);
