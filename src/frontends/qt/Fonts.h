#pragma once

#include <QFont>
#include <QString>

// The window layouts name the Japanese desktop fonts; IPA's fonts have the
// same metrics. Call once after the application object exists.
void InstallFontSubstitutions();

inline const QString ProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString FixedGothic = QStringLiteral("ＭＳ ゴシック");

// A font of the layouts: a family and a height in pixels.
QFont DesignFont(const QString& family, int pixelSize, bool bold = false);
