// The check's findings as text: messages with their arguments put in,
// translated where the caller can, and the compilers' FILE:LINE:COLUMN form.

#include "DataCheck.h"

#include "core/Cp932.h"
#include "core/Translatable.h"

namespace turvane {

std::string QuotedBytes(std::string_view bytes) {
    // Built in place: GCC 12 warns (falsely) of overlapping copies for "'" + text.
    std::string out(1, '\'');
    out += Cp932ToUtf8(bytes);
    out += '\'';
    return out;
}

std::string Render(const Message& message, const Translate& translate) {
    if (message.source == nullptr) {
        return message.plain;
    }
    const std::string text = translate ? translate(message.source) : message.source;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < message.arguments.size()) {
                out += Render(message.arguments[n], translate);
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string FormatFinding(const Finding& finding, const Translate& translate) {
    std::string out = finding.path;
    if (finding.line > 0) {
        // Appended piece by piece: GCC 12 warns (falsely) of overlapping copies for ":" + text.
        out += ':';
        out += std::to_string(finding.line);
        out += ':';
        out += std::to_string(finding.column);
    }
    const Message severity(finding.severity == Severity::Error
                               ? QT_TRANSLATE_NOOP("DataCheck", "error")
                               : QT_TRANSLATE_NOOP("DataCheck", "warning"));
    out += ": " + Render(severity, translate) + ": " + Render(finding.message, translate);
    return out;
}

} // namespace turvane
