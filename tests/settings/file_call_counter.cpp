// No C library header here declares rename() or fsync(): glibc declares
// them noexcept (throw()), and these definitions are not.
#include "file_call_counter.h"

#include <dlfcn.h>

#include <atomic>
#include <cstring>

namespace {

std::atomic<int> renames{0};
std::atomic<int> fsyncs{0};

// The C library's own function of that name.
template <class Function>
Function Next(const char* name) {
    void* symbol = ::dlsym(RTLD_NEXT, name);
    Function function;
    std::memcpy(&function, &symbol, sizeof function);
    return function;
}

}  // namespace

FileCalls FileCallsSoFar() { return {renames.load(), fsyncs.load()}; }

extern "C" int rename(const char* from, const char* to) {
    static const auto real = Next<int (*)(const char*, const char*)>("rename");
    ++renames;
    return real(from, to);
}

extern "C" int fsync(int fd) {
    static const auto real = Next<int (*)(int)>("fsync");
    ++fsyncs;
    return real(fd);
}
