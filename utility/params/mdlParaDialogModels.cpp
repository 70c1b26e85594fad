#include "mdlParaDialogModels.h"

#include "mdlFormNet.h"
#include "mdlParaSetBlock.h"
#include "mdlParaSetDresk.h"
#include "mdlParaSetKavo.h"
#include "mdlParaSetMiro.h"
#include "mdlParaSetQuistel.h"
#include "mdlRfidSet.h"

#include <functional>
#include <utility>

namespace tolvane::params {
namespace {

using TFactory = std::function<std::unique_ptr<TParaDialogModel>(const TParaDialogContext&)>;

const std::vector<std::pair<std::string, TFactory>>& Factories() {
    static const std::vector<std::pair<std::string, TFactory>> factories = [] {
        std::vector<std::pair<std::string, TFactory>> all = {
            {TParaSetKavo::kClassName,
             [](const TParaDialogContext& context) { return std::make_unique<TParaSetKavo>(context); }},
            {TParaSetDresk::kClassName,
             [](const TParaDialogContext& context) { return std::make_unique<TParaSetDresk>(context); }},
            {TParaSetMiro::kClassName,
             [](const TParaDialogContext& context) { return std::make_unique<TParaSetMiro>(context); }},
            {TParaSetQuistel::kClassName,
             [](const TParaDialogContext& context) { return std::make_unique<TParaSetQuistel>(context); }},
            {TFormNet::kClassName,
             [](const TParaDialogContext& context) { return std::make_unique<TFormNet>(context); }},
            {TAdvancedSettings::kClassName,
             [](const TParaDialogContext& context) { return std::make_unique<TAdvancedSettings>(context); }},
            {TRfidSet::kClassName,
             [](const TParaDialogContext& context) { return std::make_unique<TRfidSet>(context); }},
        };
        // The parameter-block families: one dialog, one row each.
        for (const TBlockFamily family : AllBlockFamilies()) {
            all.emplace_back(BlockDialogClassName(family), [family](const TParaDialogContext& context) {
                return std::make_unique<TParaSetBlock>(family, context);
            });
        }
        return all;
    }();
    return factories;
}

} // namespace

std::unique_ptr<TParaDialogModel> CreateParaDialogModel(const std::string& className,
                                                        const TParaDialogContext& context) {
    for (const auto& [name, factory] : Factories()) {
        if (name == className) {
            return factory(context);
        }
    }
    return nullptr;
}

std::vector<std::string> ParaDialogModelClasses() {
    std::vector<std::string> names;
    for (const auto& entry : Factories()) {
        names.push_back(entry.first);
    }
    return names;
}

} // namespace tolvane::params
