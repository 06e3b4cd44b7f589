#include "system/console.h"

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>
#endif

namespace console {

#ifdef Q_OS_WIN
namespace {

// The console the text goes to, or none when the stream is a file or a pipe. A window
// program (zorvat.exe) started from cmd.exe has no console of its own: it writes into the
// one of the command prompt that started it.
HANDLE consoleOf(std::FILE *stream)
{
    const DWORD which = stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE handle = ::GetStdHandle(which);
    DWORD mode = 0;
    if (handle && handle != INVALID_HANDLE_VALUE)
        return ::GetConsoleMode(handle, &mode) ? handle : nullptr;
    static HANDLE parent = [] {
        if (!::AttachConsole(ATTACH_PARENT_PROCESS))
            return HANDLE(nullptr);
        const HANDLE out = ::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
        return out == INVALID_HANDLE_VALUE ? HANDLE(nullptr) : out;
    }();
    return parent;
}

} // namespace
#endif

void write(std::FILE *stream, const QByteArray &utf8)
{
#ifdef Q_OS_WIN
    if (const HANDLE console = consoleOf(stream)) {
        std::fflush(stream);
        const QString text = QString::fromUtf8(utf8);
        const auto *units = reinterpret_cast<const wchar_t *>(text.utf16());
        qsizetype done = 0;
        while (done < text.size()) {
            DWORD written = 0;
            const DWORD chunk = DWORD(qMin<qsizetype>(text.size() - done, 16384));
            if (!::WriteConsoleW(console, units + done, chunk, &written, nullptr) || written == 0)
                break;
            done += written;
        }
        return;
    }
    // Files and pipes get the very bytes the Linux program writes: line ends stay "\n".
    static const bool binary = [] {
        _setmode(_fileno(stdout), _O_BINARY);
        _setmode(_fileno(stderr), _O_BINARY);
        return true;
    }();
    Q_UNUSED(binary);
#endif
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stream);
}

void write(std::FILE *stream, const QString &text)
{
    write(stream, text.toUtf8());
}

QStringList arguments(int argc, char *argv[])
{
    QStringList list;
#ifdef Q_OS_WIN
    int count = 0;
    if (LPWSTR *wide = ::CommandLineToArgvW(::GetCommandLineW(), &count)) {
        for (int i = 0; i < count; ++i)
            list << QString::fromWCharArray(wide[i]);
        ::LocalFree(wide);
        return list;
    }
#endif
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

} // namespace console
