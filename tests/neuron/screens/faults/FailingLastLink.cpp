// Preloaded into a test run: the file system's calls that give a written file its final name (link, rename) fail
// for names ending in "cannot-link.csv", as they can when a disk fills up or goes away while a save finishes.
#include <cerrno>
#include <cstring>
#include <dlfcn.h>

namespace {

bool refused(const char* name)
{
    static const char suffix[] = "cannot-link.csv";
    const std::size_t length = std::strlen(name);
    const std::size_t suffixLength = sizeof suffix - 1;
    if (length < suffixLength || std::strcmp(name + length - suffixLength, suffix) != 0)
        return false;
    errno = EIO;
    return true;
}

template <class F>
F next(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

int rename(const char* from, const char* to)
{
    return refused(to) ? -1 : next<int (*)(const char*, const char*)>("rename")(from, to);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    return refused(to) ? -1 : next<int (*)(int, const char*, int, const char*)>("renameat")(fromDir, from, toDir, to);
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned flags)
{
    return refused(to) ? -1
                       : next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(fromDir, from, toDir,
                                                                                                  to, flags);
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags)
{
    return refused(to)
               ? -1
               : next<int (*)(int, const char*, int, const char*, int)>("linkat")(fromDir, from, toDir, to, flags);
}
}
