#include "DisplayCheck.h"

#include <QCoreApplication>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <cstddef>
#include <cstring>
#include <string>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// Connects to the X server's local socket, as the X library would: the
// abstract name first, then the file.
bool XServerAnswers(const QString& number) {
    const std::string path = "/tmp/.X11-unix/X" + number.toStdString();
    for (const bool abstract : {true, false}) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        if (path.size() + offset >= sizeof address.sun_path) {
            return true;
        }
        std::memcpy(address.sun_path + offset, path.data(), path.size());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) {
            return true; // cannot tell; let Qt try
        }
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
        const bool connected =
            ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
        ::close(fd);
        if (connected) {
            return true;
        }
    }
    return false;
}

QString WorksWithout() {
    return QCoreApplication::translate(
        "CommandLine", "--check, --pdf, --ics, --export-csv and --import-csv work without one");
}

} // namespace

std::optional<QString> MissingDisplay(const QProcessEnvironment& environment, bool platformGiven) {
    if (platformGiven || !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty() ||
        !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty()) {
        return std::nullopt;
    }
    const QString display = environment.value(QStringLiteral("DISPLAY"));
    if (display.isEmpty()) {
        return QCoreApplication::translate(
                   "CommandLine",
                   "turvane: a window needs a graphical display, and none is set (neither "
                   "DISPLAY nor WAYLAND_DISPLAY); %1")
            .arg(WorksWithout());
    }
    // ":0", ":0.1", "unix:0": a server on this machine, reached through its socket.
    static const QRegularExpression local(QStringLiteral("^(?:unix)?:([0-9]+)(?:\\.[0-9]+)?$"));
    const QRegularExpressionMatch match = local.match(display);
    if (match.hasMatch() && !XServerAnswers(match.captured(1))) {
        return QCoreApplication::translate(
                   "CommandLine",
                   "turvane: a window needs a graphical display, and the display '%1' does not "
                   "answer; %2")
            .arg(display, WorksWithout());
    }
    return std::nullopt;
}
