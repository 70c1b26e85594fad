#include "mdlDynamicLibrary.h"

#include <dlfcn.h>

namespace tolvane {

bool TDynamicLibrary::Load(const std::string& path) {
    Unload();
    handle_ = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ != nullptr) {
        path_ = path;
    }
    return handle_ != nullptr;
}

void TDynamicLibrary::Unload() {
    if (handle_ != nullptr) {
        ::dlclose(handle_);
        handle_ = nullptr;
    }
    path_.clear();
}

void* TDynamicLibrary::RawEntry(const char* name) const {
    return handle_ != nullptr ? ::dlsym(handle_, name) : nullptr;
}

} // namespace tolvane
