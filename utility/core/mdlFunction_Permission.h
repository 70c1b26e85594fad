// The permission values of the selected printer and the option lists built
// from them.
#pragma once

#include "mdlOemClass.h" // TNameValueList

#include <string>
#include <string_view>

namespace tolvane {

// Queries every permission number from the command helper library, in the
// fixed order, for the printer just selected (resolvedModel): each value is
// stored, a forced value is set to 1 right after its query, and the
// library's extra answers go to the debug log. Without the library every
// value is 0 (forced values still 1).
void RefreshPermissions(const std::string& resolvedModel);
// The stored value of a permission number; 0 before the first refresh.
int Permission(std::string_view number);
void ClearPermissions();

// The release-paper list: "0=" + the text "Lang_All_00210026_11", then
// "n=n" for n = 1..N, where N is 255 for the models of the catalogue list
// "ReleasePaper255Models" or when "0135000052" is 1, and 127 otherwise.
void BuildReleasePaperList(const std::string& model, TNameValueList& list);

// The protocol-type list of the Dapra dialog. For the models of the fixed
// list it becomes "0=" + "Lang_All_00010006_15" and "1=" +
// "Lang_All_00010006_14". Otherwise nothing is cleared; "0=" +
// "Lang_All_00010006_12" is added when "0142031002" is 1, and "1=" +
// "Lang_All_00010006_16" when "0142031006" is 1.
void BuildDapraProtocolTypeList(const std::string& model, TNameValueList& list);

} // namespace tolvane
