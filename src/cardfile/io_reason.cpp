#include "cardfile/io_reason.h"

#include <cerrno>
#include <cstring>

QString ioReason(int systemError)
{
    switch (systemError) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return QStringLiteral("на диску не вистачає місця");
    case EFBIG:
        return QStringLiteral("файл перевищує найбільший дозволений розмір");
    case EACCES:
    case EPERM:
        return QStringLiteral("немає дозволу на доступ до файлу або папки");
    case EROFS:
        return QStringLiteral("диск або папка доступні лише для читання");
    case EISDIR:
        return QStringLiteral("вибрано папку, а не файл");
    case ENOENT:
        return QStringLiteral("файл або папку не знайдено");
    case ENOTDIR:
        return QStringLiteral("у шляху до файлу є ім'я, що не є папкою");
    case ENAMETOOLONG:
        return QStringLiteral("задовге ім'я файлу");
    default:
        break;
    }
    return QStringLiteral("помилка вводу-виводу № %1 (%2)")
        .arg(systemError)
        .arg(QString::fromLocal8Bit(std::strerror(systemError)));
}
