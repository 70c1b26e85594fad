#include "mdlPrinterLibLoad.h"

#include "mdlMessages.h"
#include "mdlPrinterLib.h"

#include <array>
#include <climits>
#include <dlfcn.h>
#include <optional>
#include <unistd.h>

namespace tolvane {
namespace {

struct TBoundLibrary {
    void* module = nullptr;
    std::optional<TPrtLibEntries> entries;
};

std::array<TBoundLibrary, kPrtLibCount> g_libraries;

TBoundLibrary& slot(TPrtLib lib) {
    return g_libraries[static_cast<size_t>(lib)];
}

// Looks up one entry point; false (with the name added to `missing`) when absent.
template <typename Entry>
bool bindEntry(void* module, const char* name, Entry& entry, std::string& missing) {
    entry = reinterpret_cast<Entry>(::dlsym(module, name));
    if (entry == nullptr) {
        missing += missing.empty() ? name : std::string(", ") + name;
        return false;
    }
    return true;
}

bool bindEntries(void* module, TPrtLib lib, TPrtLibEntries& e, std::string& missing) {
    bool ok = bindEntry(module, "PrinterCreator", e.PrinterCreator, missing);
    ok = bindEntry(module, "PrinterDestroy", e.PrinterDestroy, missing) && ok;
    ok = bindEntry(module, "PortOpen", e.PortOpen, missing) && ok;
    ok = bindEntry(module, "PortClose", e.PortClose, missing) && ok;
    ok = bindEntry(module, "WriteData", e.WriteData, missing) && ok;
    ok = bindEntry(module, "ReadData", e.ReadData, missing) && ok;
    ok = bindEntry(module, "ReadDataEOF", e.ReadDataEOF, missing) && ok;
    if (lib == TPrtLib::Tsprix) {
        ok = bindEntry(module, "GetVidPid", e.GetVidPid, missing) && ok;
        ok = bindEntry(module, "TSPL_GetSN", e.TSPL_GetSN, missing) && ok;
    }
    return ok;
}

// Binds one library; an error line naming the file when that fails.
std::string bindLibrary(TPrtLib lib, const std::string& folder) {
    TBoundLibrary& bound = slot(lib);
    if (bound.module != nullptr) {
        return {};
    }
    const std::string path = folder + "/" + PrtLib_FileName(lib);
    void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        const char* reason = ::dlerror();
        return LangText("_Err_LoadLibrary") + " " + path + ": " + (reason != nullptr ? reason : "");
    }
    TPrtLibEntries entries;
    std::string missing;
    if (!bindEntries(module, lib, entries, missing)) {
        ::dlclose(module);
        return LangText("_Err_LoadLibrary") + " " + path + ": " + missing;
    }
    bound.module = module;
    bound.entries = entries;
    return {};
}

} // namespace

const char* PrtLib_FileName(TPrtLib lib) {
    switch (lib) {
    case TPrtLib::Escrix:
        return "libescrix.so";
    case TPrtLib::Cobrix:
        return "libcobrix.so";
    case TPrtLib::Tsprix:
        return "libtsprix.so";
    }
    return "";
}

std::string ProgramFolder() {
    std::array<char, PATH_MAX> path{};
    const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (n <= 0) {
        return ".";
    }
    std::string text(path.data(), static_cast<size_t>(n));
    const size_t slash = text.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : text.substr(0, slash));
}

bool PrtLib_LoadLibraries(std::string& error) {
    return PrtLib_LoadLibrariesFrom(ProgramFolder(), error);
}

bool PrtLib_LoadLibrariesFrom(const std::string& folder, std::string& error) {
    error.clear();
    for (const TPrtLib lib : {TPrtLib::Escrix, TPrtLib::Cobrix, TPrtLib::Tsprix}) {
        if (const std::string line = bindLibrary(lib, folder); !line.empty()) {
            error += error.empty() ? line : "\n" + line;
        }
    }
    return error.empty();
}

void PrtLib_UnloadLibraries() {
    PrtLib_DestroyHandles();
    for (TBoundLibrary& bound : g_libraries) {
        if (bound.module != nullptr) {
            ::dlclose(bound.module);
        }
        bound = TBoundLibrary{};
    }
}

const TPrtLibEntries* PrtLib_Entries(TPrtLib lib) {
    const TBoundLibrary& bound = slot(lib);
    return bound.entries ? &*bound.entries : nullptr;
}

void PrtLib_SetEntries(TPrtLib lib, const TPrtLibEntries& entries) {
    slot(lib).entries = entries;
}

} // namespace tolvane
