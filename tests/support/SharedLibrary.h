// Opens the built library by name and looks up its exported symbols the way
// a host loading it at run time does: dlopen/dlsym, or LoadLibrary and
// GetProcAddress on Windows.
#ifndef GMTRRT_TESTS_SUPPORT_SHAREDLIBRARY_H
#define GMTRRT_TESTS_SUPPORT_SHAREDLIBRARY_H

#include <cstring>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

class SharedLibrary {
public:
    explicit SharedLibrary(const char* path) {
#ifdef _WIN32
        handle_ = LoadLibraryA(path);
#else
        handle_ = dlopen(path, RTLD_NOW);
#endif
    }
    ~SharedLibrary() {
        if (handle_ == nullptr)
            return;
#ifdef _WIN32
        FreeLibrary(handle_);
#else
        dlclose(handle_);
#endif
    }
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool IsOpen() const {
        return handle_ != nullptr;
    }

    /// The address the library exports under the (mangled) name; null if none.
    void* Symbol(const std::string& name) const {
#ifdef _WIN32
        FARPROC f = GetProcAddress(handle_, name.c_str());
        void* address = nullptr;
        static_assert(sizeof f == sizeof address, "code and data addresses have one size");
        std::memcpy(&address, &f, sizeof address);
        return address;
#else
        return dlsym(handle_, name.c_str());
#endif
    }

private:
#ifdef _WIN32
    HMODULE handle_;
#else
    void* handle_;
#endif
};

#endif // GMTRRT_TESTS_SUPPORT_SHAREDLIBRARY_H
