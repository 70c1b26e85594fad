// The parameter dialogs that exist without a window, by class name: the
// window and the command line create them from here.
#pragma once

#include "mdlParaDialogModel.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane::params {

// A new dialog of a class for the printer; nullptr for a class that has no
// dialog yet.
std::unique_ptr<TParaDialogModel> CreateParaDialogModel(const std::string& className,
                                                        const TParaDialogContext& context);
// The classes that have one.
std::vector<std::string> ParaDialogModelClasses();

} // namespace tolvane::params
