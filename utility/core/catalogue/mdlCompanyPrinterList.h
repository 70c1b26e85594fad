// The company printer list: the models the printer management dialog
// offers, from "CompanyPrinterList_Label.txt" (one model per line) and the
// edition's model list.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

class TOemClass;

// The edition's list mode decides: 1 the edition's list only, 2 the file's
// lines then the edition's list, any other value (and no edition) the
// file's lines only.
std::vector<std::string> CompanyPrinterListFor(const TOemClass* edition, const std::string& filePath);

// Main window first show: the program-wide list is replaced by the list of
// the current edition and FilesFolder's file. In debug mode the names are
// shown, each preceded by ",", after "Test_PrtList____x:".
void FillCompanyPrinterList();
std::vector<std::string> CompanyPrinterList();

} // namespace tolvane
