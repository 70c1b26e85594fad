// The generated lists of the parameter dialogs: the code page lists of the
// three label languages, the density and print-speed lists.
#pragma once

#include "mdlFormModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace tolvane::params {

const std::vector<std::string>& TsplCodePages();
const std::vector<std::string>& ZplCodePages();
const std::vector<std::string>& EplCodePages();

// Each fill replaces the entries and selects entry 0.
void FillTsplCodePages(TFormModel& form, std::string_view list);
void FillZplCodePages(TFormModel& form, std::string_view list);
void FillEplCodePages(TFormModel& form, std::string_view list);

// "0" to `max`, entry 0 selected.
void FillDensityList(TFormModel& form, std::string_view list, int max);
// The top print speed of a model: the first of the catalogue keys "IPS3"
// to "IPS10" whose list contains the model name followed by a comma gives
// 3 to 10, none gives 3; the models of "Speed4Models" and "PirvoE" have 4.
int TopPrintSpeed(const std::string& model);
// "2" to the top speed, entry 0 selected.
void FillSpeedList(TFormModel& form, std::string_view list, const std::string& model);

// Whether a catalogue list contains `name` followed by a comma (a looser
// test than membership: "Kavo-300," also matches inside ",XKavo-300,").
bool ListHasNameComma(std::string_view list, std::string_view name);

} // namespace tolvane::params
