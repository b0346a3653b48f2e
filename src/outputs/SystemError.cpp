#include "SystemError.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>

QString SystemErrorText(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return QCoreApplication::translate("CommandLine", "the disk is full");
    case EFBIG:
        return QCoreApplication::translate("CommandLine", "the file would be larger than allowed");
    case ENOENT:
        return QCoreApplication::translate("CommandLine", "no such file or folder");
    case ENOTDIR:
        return QCoreApplication::translate("CommandLine",
                                           "a part of the path is a file, not a folder");
    case EISDIR:
        return QCoreApplication::translate("CommandLine", "it is a folder");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("CommandLine", "permission denied");
    case EROFS:
        return QCoreApplication::translate("CommandLine", "the file system is read-only");
    case EIO:
        return QCoreApplication::translate("CommandLine", "the device reported an error");
    case ENAMETOOLONG:
        return QCoreApplication::translate("CommandLine", "the name is too long");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}
