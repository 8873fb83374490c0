#pragma once
#include <string>

namespace pelmora::link {

/// A system library opened when first needed rather than by the loader at
/// start: every run of `pelmora` would otherwise pay for it and for all it
/// pulls in, though only the device searches use it. Never closed. Linux only.
class SharedLibrary {
public:
    /// `package` is what to install when `soname` cannot be opened.
    SharedLibrary(const char* soname, const char* package);
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    /// Points `function` at the symbol `name`, or leaves it null and says so in Problem().
    template <typename Function>
    void Resolve(Function& function, const char* name) {
        function = reinterpret_cast<Function>(Symbol(name));
    }

    bool Usable() const { return problem_.empty(); }
    /// Why the library cannot be used, naming it and what to install; "" when it can.
    const std::string& Problem() const { return problem_; }

private:
    void* Symbol(const char* name);

    void* handle_ = nullptr;
    std::string soname_, package_, problem_;
};

}  // namespace pelmora::link

/// Declares struct `Name`: the library `soname` (installed by `package`) and one
/// pointer for each function `LIST(X)` names, all resolved when the struct is made;
/// `Name::Loaded()` makes it once, at the first call.
#define PELMORA_LIBRARY_FUNCTIONS(Name, soname, package, LIST) \
    struct Name { \
        ::pelmora::link::SharedLibrary library{soname, package}; \
        LIST(PELMORA_LIBRARY_DECLARE_) \
        Name() { LIST(PELMORA_LIBRARY_RESOLVE_) } \
        static const Name& Loaded() { \
            static const Name loaded; \
            return loaded; \
        } \
    }
#define PELMORA_LIBRARY_DECLARE_(name) decltype(&::name) name = nullptr;
#define PELMORA_LIBRARY_RESOLVE_(name) library.Resolve(name, #name);
