#pragma once

#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// While it lives, no file of this process may grow beyond `bytes`: a write past the
// limit fails as on a full disk (EFBIG instead of the signal that would end the test).
// Windows has no such limit: the tests that stand a full disk in with it are skipped there
// (FILE_SIZE_LIMIT_OR_SKIP).
class FileSizeLimit
{
public:
#ifdef Q_OS_UNIX
    static constexpr bool kSupported = true;

    explicit FileSizeLimit(unsigned long long bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        limit(bytes);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

    // For a child process about to start a program: the same limit, for good.
    static void limit(unsigned long long bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit r{};
        getrlimit(RLIMIT_FSIZE, &r);
        r.rlim_cur = rlim_t(bytes);
        setrlimit(RLIMIT_FSIZE, &r);
    }
#else
    static constexpr bool kSupported = false;

    explicit FileSizeLimit(unsigned long long) {}
#endif
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
#ifdef Q_OS_UNIX
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
#endif
};

#define FILE_SIZE_LIMIT_OR_SKIP()                                                                                      \
    do {                                                                                                               \
        if (!FileSizeLimit::kSupported)                                                                                \
            QSKIP("Windows has no file size limit of a process to stand in for a full disk");                          \
    } while (false)
