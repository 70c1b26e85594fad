// Tsprix's model table: every maker model, as a TSPL printer.
#include "maker_models.h"

namespace cobrix::siblings {
namespace {

constexpr uint32_t kFeatureTspl = 0x01;
constexpr auto kTsprixRows = buildModelTable(0x4001, "Ostrel", kFeatureTspl);

} // namespace

std::span<const ModelRow> siblingCatalogue() {
    return kTsprixRows;
}

} // namespace cobrix::siblings
