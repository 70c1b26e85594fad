// Where the program finds its files and where it writes. Every folder text
// ends with "/".
#pragma once

#include <string>

namespace tolvane {

// File names of the program's data files (all in FilesFolder).
inline constexpr const char* kOptionFileName = "Option.ini";
inline constexpr const char* kLabelLanguageFileName = "UtilityForLabelLanguage.ini";
inline constexpr const char* kMobileLanguageFileName = "UtilityForMobileLanguage.ini";
inline constexpr const char* kCatalogueFileName = "PrinterTypeList_Label.ini";
inline constexpr const char* kPrinterMapFileName = "PrinterMap.ini";
inline constexpr const char* kProtocolFileName = "ProtocolType.ini";
inline constexpr const char* kCompanyPrinterListFileName = "CompanyPrinterList_Label.txt";
inline constexpr const char* kPrinterListFileName = "PrinterList.txt";
inline constexpr const char* kSysPmFileName = "PrtConfig_SysPm.ini";
// Per-user folder name used when the edition names none.
inline constexpr const char* kDefaultUserDataFolderName = "OstrelUtility";

// The folder of the running program (from /proc/self/exe) unless set.
std::string AppFolder();
// Makes the program behave as if it ran from folder (tests, relocated
// bundles); an empty text goes back to the program's own folder.
void SetAppFolder(const std::string& folder);
std::string FilesFolder(); // AppFolder + "files/"
std::string IconsFolder(); // AppFolder + "icons/"

// Marker file of an installed program folder (AppFolder + ".installed").
// The package puts it there; a bundle in a build tree or an unpacked folder
// has none.
inline constexpr const char* kInstalledMarkerName = ".installed";

// True when AppFolder is an installed program folder: it carries the marker,
// or it cannot be written. Writability alone cannot tell, since root may
// write anywhere.
bool AppFolderIsInstalled();
// The folder where the program writes its own files: AppFolder for a bundle,
// the per-user data folder for an installed program folder.
std::string WorkFolder();
// WorkFolder + "PgmOrCdr/": per-printer files.
std::string PerPrinterFolder();
// WorkFolder + "CBT.bmp": scratch bitmap of the download dialogs.
std::string ScratchBitmapFile();

// The user's home folder ($HOME, else the password database), with "/".
std::string HomeFolder();
// $XDG_DATA_HOME, default HomeFolder + ".local/share/", with "/".
std::string XdgDataHome();
// XdgDataHome + "OstrelUtility/": per-user data when the edition names no folder.
std::string DefaultUserDataFolder();

// Developer marker files: their existence alone switches behaviour on.
std::string MarkerFolder();      // HomeFolder + "xx20050316094512/"
std::string FirstDebugMarker();  // MarkerFolder + "dfile20050316094512.txt"
std::string SecondDebugMarker(); // AppFolder + "x20061128153047.txt"
std::string TestDataMarker();    // MarkerFolder + "dfile20050316094512-Real.txt"

// text with "/" appended unless it already ends with one (empty stays empty).
std::string WithSlash(std::string text);

} // namespace tolvane
