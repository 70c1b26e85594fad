#include "mdlModelLists.h"

#include "mdlCatalogueData.h"
#include "mdlIniDocument.h"
#include "mdlModelList.h"

#include <map>

namespace tolvane {
namespace {

using Table = std::map<std::string, std::string, std::less<>>;

struct TTables {
    Table builtIn;
    Table additions; // by key folded to lower case
    Table featureNumbers;
};

const TTables& Tables() {
    static const TTables tables = [] {
        TTables built;
        for (const TModelListRow& row : BuiltInModelListRows()) {
            built.builtIn.emplace(row.name, row.models);
        }
        for (const TModelListRow& row : CatalogueAdditionRows()) {
            built.additions.emplace(IniFoldCase(row.name), row.models);
        }
        for (const TModelListRow& row : FeatureNumberRows()) {
            built.featureNumbers.emplace(row.name, row.models);
        }
        return built;
    }();
    return tables;
}

const std::string& Empty() {
    static const std::string empty;
    return empty;
}

const std::string& Lookup(const Table& table, std::string_view key) {
    const auto found = table.find(key);
    return found != table.end() ? found->second : Empty();
}

} // namespace

void BuildModelLists() {
    Tables();
}

const std::string& BuiltInList(std::string_view name) {
    return Lookup(Tables().builtIn, name);
}

bool InBuiltInList(std::string_view name, std::string_view model) {
    return IsModelInList(model, BuiltInList(name));
}

const std::string& CatalogueAddition(std::string_view key) {
    return Lookup(Tables().additions, IniFoldCase(key));
}

const std::string& FeatureNumberList(std::string_view key) {
    return Lookup(Tables().featureNumbers, key);
}

} // namespace tolvane
