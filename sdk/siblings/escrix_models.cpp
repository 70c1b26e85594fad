// Escrix's model table: every maker model, as an ESC printer.
#include "maker_models.h"

namespace cobrix::siblings {
namespace {

constexpr uint32_t kFeatureEsc = 0x02;
constexpr auto kEscrixRows = buildModelTable(0x3001, "Ostrel", kFeatureEsc);

} // namespace

std::span<const ModelRow> siblingCatalogue() {
    return kEscrixRows;
}

} // namespace cobrix::siblings
