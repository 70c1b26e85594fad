#include "mdlParaFile.h"

#include "mdlArdelLength.h"
#include "mdlFileUtil.h"
#include "mdlIniFile.h"
#include "mdlParaHelpers.h"
#include "mdlUtf16.h"

namespace tolvane::params {
namespace {

constexpr const char* kSection = "params";

bool StoresPosition(const TControl& control) {
    return control.kind == TControlKind::List || control.kind == TControlKind::Radio ||
           control.kind == TControlKind::Check;
}

} // namespace

std::optional<std::string> ParaFileNameError(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string name = Trim(slash == std::string::npos ? path : path.substr(slash + 1));
    if (Utf8ToUtf16(name).size() > static_cast<std::size_t>(kParaFileNameMax)) {
        return TxtWith("_Err_FileNameLength", std::to_string(kParaFileNameMax + 1));
    }
    if (name.find(' ') != std::string::npos) {
        return Txt("msgASCIIFileName");
    }
    return std::nullopt;
}

std::string ParaFileText(const TFormModel& form, const std::vector<std::string>& keys) {
    std::string text = "[params]\n";
    for (const std::string& key : keys) {
        const TControl* control = form.Find(key);
        if (control == nullptr) {
            continue;
        }
        // An INI line holds no line break; a text never has one (the key
        // filters refuse them), but a loaded or read text is cut there.
        std::string value = StoresPosition(*control) ? std::to_string(control->index) : control->text;
        value = value.substr(0, value.find_first_of("\r\n"));
        text += key + "=" + value + "\n";
    }
    return text;
}

bool SaveParaFile(const std::string& path, const TFormModel& form, const std::vector<std::string>& keys) {
    return WriteFileAtomic(path, ParaFileText(form, keys));
}

TParaFileLoad LoadParaFile(const std::string& path, TFormModel& form, const std::vector<std::string>& keys,
                           const std::function<bool(const std::string&, const std::string&)>& acceptsText) {
    for (const std::string& key : keys) {
        TControl* control = form.Find(key);
        if (control == nullptr) {
            continue;
        }
        const std::string missing = "\x01";
        const std::string value = IniReadString(path, kSection, key, missing);
        if (value == missing) {
            continue;
        }
        if (StoresPosition(*control)) {
            const std::optional<long> position = ParseSmallInteger(value);
            const long count =
                control->kind == TControlKind::Check ? 2 : static_cast<long>(control->items.size());
            if (!position || *position < -1 || *position >= count) {
                return {false, key};
            }
            form.SetIndex(key, static_cast<int>(*position));
        } else {
            if (acceptsText && !acceptsText(key, value)) {
                return {false, key};
            }
            form.SetText(key, value);
        }
    }
    return {};
}

} // namespace tolvane::params
