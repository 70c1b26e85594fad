// The optional command helper library "PrtDll/libSelvanic.so". When the file
// is missing nothing is loaded and every operation does nothing (queries give
// 0 or nothing); a missing entry point disables only its own operation.
#pragma once

#include "HelperLibraryApi.h"
#include "mdlDynamicLibrary.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tolvane {

struct TPermissionAnswer {
    int32_t value = 0; // the permission value (0 without the library)
    uint8_t info = 0;  // written to the debug log only
    std::string text;  // written to the debug log only
};

class TSelvanic {
  public:
    // AppFolder + "PrtDll/libSelvanic.so".
    static std::string LibraryPath();

    void Bind();
    // Frees the library, only when its file still exists.
    void Unbind();
    bool IsBound() const { return library_.IsLoaded(); }

    void CmdsInit();
    void CmdsUnInit();
    void SetIsDebug(bool debug);
    void SetBaseDbgPath(const std::string& folder);
    void SetLogFile(const std::string& path);
    void SetToolType(const std::string& toolType);
    void SetOemCo(const std::string& oemCo);
    void TrySetAppToReady();
    // The library's answer, 0 without it.
    uint8_t GetAppIsReady();
    void SetPrinterDefName(const std::string& model);
    void SetPrinterBasName(const std::string& baseModel);
    void DoAfterInitPara_SetPermission();
    // The library's replacement for a printer name or map model; nullopt when
    // it gives none (no library, no entry point, or an empty answer).
    std::optional<std::string> TransformPrtName(const std::string& name);
    std::optional<std::string> TransformPrtMapModel(const std::string& mapModel);
    // The value of a permission number such as "0302000001".
    TPermissionAnswer GetPermissionByNo(const std::string& number);

  private:
    static void SetText(SelvanicSetText fn, const std::string& text);
    static std::optional<std::string> Transform(SelvanicTransform fn, const std::string& name);

    struct Entries {
        SelvanicCmdsInit init = nullptr;
        SelvanicCmdsUnInit unInit = nullptr;
        SelvanicSetIsDebug setIsDebug = nullptr;
        SelvanicSetText setBaseDbgPath = nullptr;
        SelvanicSetText setLogFile = nullptr;
        SelvanicSetText setToolType = nullptr;
        SelvanicSetText setOemCo = nullptr;
        SelvanicAction trySetAppToReady = nullptr;
        SelvanicGetAppIsReady getAppIsReady = nullptr;
        SelvanicSetText setPrinterDefName = nullptr;
        SelvanicSetText setPrinterBasName = nullptr;
        SelvanicAction doAfterInitPara = nullptr;
        SelvanicTransform transformPrtName = nullptr;
        SelvanicTransform transformPrtMapModel = nullptr;
        SelvanicGetPermissionByNo getPermissionByNo = nullptr;
    };

    TDynamicLibrary library_;
    Entries entries_;
};

TSelvanic& Selvanic();

} // namespace tolvane
