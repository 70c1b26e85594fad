#include "mdlMorrant.h"

#include "mdlFileUtil.h"
#include "mdlPaths.h"
#include "mdlUtf16Text.h"

#include <algorithm>
#include <array>

namespace tolvane {

std::string TMorrant::LibraryPath() {
    return AppFolder() + "PrtDll/libMorrant.so";
}

void TMorrant::Bind() {
    Unbind();
    const std::string path = LibraryPath();
    if (!FileExists(path) || !library_.Load(path)) {
        return;
    }
    init_ = library_.Entry<MorrantLangInit>("LangInit");
    unInit_ = library_.Entry<MorrantLangUnInit>("LangUnInit");
    setLanguageId_ = library_.Entry<MorrantLangSetLanguageID>("LangSetLanguageID");
    setFileName_ = library_.Entry<MorrantLangSetLanguageFN_FullName>("LangSetLanguageFN_FullName");
    readIni_ = library_.Entry<MorrantLangReadIni>("LangReadIni");
}

void TMorrant::Unbind() {
    init_ = nullptr;
    unInit_ = nullptr;
    setLanguageId_ = nullptr;
    setFileName_ = nullptr;
    readIni_ = nullptr;
    if (library_.IsLoaded() && FileExists(library_.Path())) {
        library_.Unload();
    }
}

void TMorrant::LangInit() {
    if (init_ != nullptr) {
        init_();
    }
}

void TMorrant::LangUnInit() {
    if (unInit_ != nullptr) {
        unInit_();
    }
}

void TMorrant::LangSetLanguageID(const std::string& languageId) {
    if (setLanguageId_ != nullptr) {
        setLanguageId_(Utf8ToUtf16(languageId).c_str());
    }
}

void TMorrant::LangSetLanguageFN_FullName(const std::string& languageFilePath) {
    if (setFileName_ != nullptr) {
        setFileName_(Utf8ToUtf16(languageFilePath).c_str());
    }
}

std::optional<std::string> TMorrant::LangReadIni(const std::string& fileName, const std::string& section,
                                                 const std::string& key) {
    if (readIni_ == nullptr) {
        return std::nullopt;
    }
    // One spare character keeps both buffers terminated whatever the library does.
    std::array<char16_t, kHelperTextCapacity + 1> keyBuffer{};
    std::array<char16_t, kHelperTextCapacity + 1> result{};
    const std::u16string wideKey = Utf8ToUtf16(key);
    std::copy_n(wideKey.begin(), std::min<std::size_t>(wideKey.size(), kHelperTextCapacity - 1),
                keyBuffer.begin());
    readIni_(Utf8ToUtf16(fileName).c_str(), Utf8ToUtf16(section).c_str(), keyBuffer.data(), result.data(),
             kHelperTextCapacity);
    return Utf8FromUtf16Buffer(result.data(), kHelperTextCapacity);
}

TMorrant& Morrant() {
    static TMorrant instance;
    return instance;
}

} // namespace tolvane
