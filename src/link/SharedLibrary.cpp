#include "link/SharedLibrary.h"

#include <dlfcn.h>

namespace pelmora::link {

namespace {
std::string LastError() {
    const char* text = ::dlerror();
    return text ? text : "no reason given";
}
}  // namespace

SharedLibrary::SharedLibrary(const char* soname, const char* package) : soname_(soname), package_(package) {
    handle_ = ::dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (!handle_) problem_ = soname_ + " could not be loaded (" + LastError() + "): install " + package_;
}

void* SharedLibrary::Symbol(const char* name) {
    if (!handle_) return nullptr;
    ::dlerror();
    void* symbol = ::dlsym(handle_, name);
    // Only the first gap is told: one is enough to say the library is too old.
    if (!symbol && problem_.empty())
        problem_ = soname_ + " has no " + name + " (" + LastError() + "): install a newer " + package_;
    return symbol;
}

}  // namespace pelmora::link
