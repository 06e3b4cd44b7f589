#include "cardfile/io_reason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace Qt::Literals::StringLiterals;

QString ioReason(int systemError)
{
    switch (systemError) {
    case FileInUseError:
        return u"файл відкрито в іншій програмі, яка не дає його змінити; закрийте його там і спробуйте ще раз"_s;
    case ReadOnlyFileError:
        return u"файл позначено «лише для читання»"_s;
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return u"на диску не вистачає місця"_s;
    case EFBIG:
        return u"файл перевищує найбільший дозволений розмір"_s;
    case EACCES:
    case EPERM:
        return u"немає дозволу на доступ до файлу або папки"_s;
    case EROFS:
        return u"диск або папка доступні лише для читання"_s;
    case EISDIR:
        return u"вибрано папку, а не файл"_s;
    case ENOENT:
        return u"файл або папку не знайдено"_s;
    case ENOTDIR:
        return u"у шляху до файлу є ім'я, що не є папкою"_s;
    case ENAMETOOLONG:
        return u"задовге ім'я файлу"_s;
    default:
        break;
    }
    return u"помилка вводу-виводу № %1 (%2)"_s
        .arg(systemError)
        .arg(QString::fromLocal8Bit(std::strerror(systemError)));
}

void clearSystemError()
{
    errno = 0;
#ifdef Q_OS_WIN
    ::SetLastError(ERROR_SUCCESS);
#endif
}

#ifdef Q_OS_WIN
namespace {

// Qt's file engine on Windows calls the system directly and leaves errno alone.
int fromWindowsError(DWORD error)
{
    switch (error) {
    case ERROR_SUCCESS:
        return 0;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE:
        return FileInUseError;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_FILE_TOO_LARGE:
        return EFBIG;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return EACCES;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_INVALID_DRIVE:
        return ENOENT;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    case ERROR_FILENAME_EXCED_RANGE:
        return ENAMETOOLONG;
    default:
        return EIO;
    }
}

} // namespace
#endif

int lastSystemError()
{
#ifdef Q_OS_WIN
    if (const int err = fromWindowsError(::GetLastError()))
        return err;
#endif
    return errno ? errno : EIO;
}

int writeFailureCause(const QString &path, int systemError)
{
#ifdef Q_OS_WIN
    // Replacing a file is refused with "access denied" both when it is marked read-only
    // and when another program holds it open: look at the file itself to tell which.
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    const DWORD attributes = ::GetFileAttributesW(native.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return systemError;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY) && (attributes & FILE_ATTRIBUTE_READONLY))
        return ReadOnlyFileError;
    const HANDLE handle = ::CreateFileW(native.c_str(), GENERIC_WRITE | DELETE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        if (::GetLastError() == ERROR_SHARING_VIOLATION)
            return FileInUseError;
        return systemError;
    }
    ::CloseHandle(handle);
#else
    // Qt refuses to replace a file it may not write before any system call fails.
    if (systemError == EIO && QFile::exists(path) && !QFileInfo(path).isWritable())
        return EACCES;
#endif
    return systemError;
}
