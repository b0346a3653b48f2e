#include "Fonts.h"

#include <QStringList>

void InstallFontSubstitutions() {
    // Neither fontconfig nor Qt knows these names; without the substitution
    // Latin text falls to a sans font and Japanese to the fixed-pitch face.
    const QStringList proportional{QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")};
    const QStringList fixed{QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")};
    QFont::insertSubstitutions(ProportionalGothic, proportional);
    QFont::insertSubstitutions(QStringLiteral("MS PGothic"), proportional);
    QFont::insertSubstitutions(FixedGothic, fixed);
    QFont::insertSubstitutions(QStringLiteral("MS Gothic"), fixed);
}

QFont DesignFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}
