// The optional language helper library "PrtDll/libMorrant.so". When the file
// is missing nothing is loaded and every operation does nothing (reads give
// nothing); a missing entry point disables only its own operation.
#pragma once

#include "HelperLibraryApi.h"
#include "mdlDynamicLibrary.h"

#include <optional>
#include <string>

namespace tolvane {

class TMorrant {
  public:
    // AppFolder + "PrtDll/libMorrant.so".
    static std::string LibraryPath();

    // Loads the library when its file exists and looks up its entry points.
    void Bind();
    // Frees the library, only when its file still exists.
    void Unbind();
    bool IsBound() const { return library_.IsLoaded(); }

    void LangInit();
    void LangUnInit();
    void LangSetLanguageID(const std::string& languageId);
    void LangSetLanguageFN_FullName(const std::string& languageFilePath);
    bool CanReadIni() const { return readIni_ != nullptr; }
    // The text of key in section, through the library; nullopt without it.
    std::optional<std::string> LangReadIni(const std::string& fileName, const std::string& section,
                                           const std::string& key);

  private:
    TDynamicLibrary library_;
    MorrantLangInit init_ = nullptr;
    MorrantLangUnInit unInit_ = nullptr;
    MorrantLangSetLanguageID setLanguageId_ = nullptr;
    MorrantLangSetLanguageFN_FullName setFileName_ = nullptr;
    MorrantLangReadIni readIni_ = nullptr;
};

TMorrant& Morrant();

} // namespace tolvane
