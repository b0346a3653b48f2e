#include "PaperPainting.h"

#include "FromScreens.h"

double TextMeasure::width(std::u16string_view text, double points, bool bold) const {
    if (text.empty()) {
        return 0;
    }
    auto found = metrics_.find({points, bold});
    if (found == metrics_.end()) {
        found =
            metrics_.emplace(std::pair{points, bold}, QFontMetricsF(font(points, bold), &device_))
                .first;
    }
    return scale_.points(found->second.horizontalAdvance(ToQString(text)));
}
