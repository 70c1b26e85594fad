#include "mdlSelvanic.h"

#include "mdlFileUtil.h"
#include "mdlPaths.h"
#include "mdlUtf16Text.h"

#include <algorithm>
#include <array>

namespace tolvane {
namespace {

using TextBuffer = std::array<char16_t, kHelperTextCapacity + 1>; // one spare: always terminated

template <typename Fn>
void Call(Fn fn) {
    if (fn != nullptr) {
        fn();
    }
}

} // namespace

std::string TSelvanic::LibraryPath() {
    return AppFolder() + "PrtDll/libSelvanic.so";
}

void TSelvanic::Bind() {
    Unbind();
    const std::string path = LibraryPath();
    if (!FileExists(path) || !library_.Load(path)) {
        return;
    }
    Entries& e = entries_;
    e.init = library_.Entry<SelvanicCmdsInit>("CmdsInit");
    e.unInit = library_.Entry<SelvanicCmdsUnInit>("CmdsUnInit");
    e.setIsDebug = library_.Entry<SelvanicSetIsDebug>("Cmds_SetIsDebug");
    e.setBaseDbgPath = library_.Entry<SelvanicSetText>("Cmds_SetBaseDbgPath");
    e.setLogFile = library_.Entry<SelvanicSetText>("Cmds_SetLogFile");
    e.setToolType = library_.Entry<SelvanicSetText>("Cmds_SetToolType");
    e.setOemCo = library_.Entry<SelvanicSetText>("Cmds_SetOemCo");
    e.trySetAppToReady = library_.Entry<SelvanicAction>("Cmds_TrySetAppToReady");
    e.getAppIsReady = library_.Entry<SelvanicGetAppIsReady>("Cmds_GetAppIsReady");
    e.setPrinterDefName = library_.Entry<SelvanicSetText>("Cmds_SetPrinterDefName");
    e.setPrinterBasName = library_.Entry<SelvanicSetText>("Cmds_SetPrinterBasName");
    e.doAfterInitPara = library_.Entry<SelvanicAction>("Cmds_DoAfterInitPara_SetPermission");
    e.transformPrtName = library_.Entry<SelvanicTransform>("Cmds_TransformPrtName");
    e.transformPrtMapModel = library_.Entry<SelvanicTransform>("Cmds_TransformPrtMapModel");
    e.getPermissionByNo = library_.Entry<SelvanicGetPermissionByNo>("Cmds_GetPermissionByNo");
}

void TSelvanic::Unbind() {
    entries_ = Entries{};
    if (library_.IsLoaded() && FileExists(library_.Path())) {
        library_.Unload();
    }
}

void TSelvanic::SetText(SelvanicSetText fn, const std::string& text) {
    if (fn != nullptr) {
        fn(Utf8ToUtf16(text).c_str());
    }
}

std::optional<std::string> TSelvanic::Transform(SelvanicTransform fn, const std::string& name) {
    if (fn == nullptr) {
        return std::nullopt;
    }
    TextBuffer result{};
    fn(Utf8ToUtf16(name).c_str(), result.data());
    std::string text = Utf8FromUtf16Buffer(result.data(), kHelperTextCapacity);
    return text.empty() ? std::nullopt : std::optional<std::string>(std::move(text));
}

void TSelvanic::CmdsInit() {
    Call(entries_.init);
}
void TSelvanic::CmdsUnInit() {
    Call(entries_.unInit);
}

void TSelvanic::SetIsDebug(bool debug) {
    if (entries_.setIsDebug != nullptr) {
        entries_.setIsDebug(debug ? 1 : 0);
    }
}

void TSelvanic::SetBaseDbgPath(const std::string& folder) {
    SetText(entries_.setBaseDbgPath, folder);
}
void TSelvanic::SetLogFile(const std::string& path) {
    SetText(entries_.setLogFile, path);
}
void TSelvanic::SetToolType(const std::string& toolType) {
    SetText(entries_.setToolType, toolType);
}
void TSelvanic::SetOemCo(const std::string& oemCo) {
    SetText(entries_.setOemCo, oemCo);
}
void TSelvanic::TrySetAppToReady() {
    Call(entries_.trySetAppToReady);
}

uint8_t TSelvanic::GetAppIsReady() {
    return entries_.getAppIsReady != nullptr ? entries_.getAppIsReady() : uint8_t{0};
}

void TSelvanic::SetPrinterDefName(const std::string& model) {
    SetText(entries_.setPrinterDefName, model);
}
void TSelvanic::SetPrinterBasName(const std::string& baseModel) {
    SetText(entries_.setPrinterBasName, baseModel);
}
void TSelvanic::DoAfterInitPara_SetPermission() {
    Call(entries_.doAfterInitPara);
}

std::optional<std::string> TSelvanic::TransformPrtName(const std::string& name) {
    return Transform(entries_.transformPrtName, name);
}

std::optional<std::string> TSelvanic::TransformPrtMapModel(const std::string& mapModel) {
    return Transform(entries_.transformPrtMapModel, mapModel);
}

TPermissionAnswer TSelvanic::GetPermissionByNo(const std::string& number) {
    TPermissionAnswer answer;
    if (entries_.getPermissionByNo == nullptr) {
        return answer;
    }
    TextBuffer numberBuffer{};
    TextBuffer result{};
    const std::u16string wide = Utf8ToUtf16(number);
    std::copy_n(wide.begin(), std::min<std::size_t>(wide.size(), kHelperTextCapacity - 1),
                numberBuffer.begin());
    answer.value = entries_.getPermissionByNo(numberBuffer.data(), &answer.info, result.data());
    answer.text = Utf8FromUtf16Buffer(result.data(), kHelperTextCapacity);
    return answer;
}

TSelvanic& Selvanic() {
    static TSelvanic instance;
    return instance;
}

} // namespace tolvane
