// A shared library loaded at run time with its own symbol scope, so that
// libraries exporting the same names do not collide.
#pragma once

#include <string>

namespace tolvane {

class TDynamicLibrary {
  public:
    TDynamicLibrary() = default;
    ~TDynamicLibrary() { Unload(); }
    TDynamicLibrary(const TDynamicLibrary&) = delete;
    TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

    // Loads the library at path; false (and nothing loaded) when it cannot be.
    bool Load(const std::string& path);
    void Unload();
    bool IsLoaded() const { return handle_ != nullptr; }
    const std::string& Path() const { return path_; }

    // The entry point named name, or nullptr.
    template <typename Fn>
    Fn Entry(const char* name) const {
        return reinterpret_cast<Fn>(RawEntry(name));
    }

  private:
    void* RawEntry(const char* name) const;

    void* handle_ = nullptr;
    std::string path_;
};

} // namespace tolvane
