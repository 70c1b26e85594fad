// The map model of a model: the model whose command behaviour the device
// layer uses for it, from the printer map "PrinterMap.ini" (section "Map",
// key = model name) and the edition's map.
#pragma once

#include <string>

namespace tolvane {

class TOemClass;

// The main window's default map model.
inline constexpr const char* kDefaultMapModel = "Vorlan";

// The map model of model, given a default:
//  1. the edition's map mode picks the sources: 1 the edition map only, 2 the
//     file then the edition map, any other value (and no edition) the file only;
//  2. the file's non-empty value is the answer;
//  3. otherwise, in modes 1 and 2: the edition map's value when it names the
//     model; else the model itself, or "Quist" for the built-in names that
//     map to it;
//  4. still unanswered: the feature assigner's variant map is applied;
//  5. the command helper library may replace the result;
//  6. an empty result gives the default when ToolType is "Label" or "Mobile".
std::string MapModelOf(const std::string& model, const std::string& defaultModel, const TOemClass* edition);

} // namespace tolvane
