// Where each family keeps its settings in the parameter block: five tables,
// one per group of families that share byte positions, each row a field
// (offset, control, encoding, the families that have it).
#pragma once

#include "mdlBlockCodecs.h"

#include <span>
#include <vector>

namespace tolvane::params {

enum class TBlockGroup : uint8_t { A, P, Q, D, R };

TBlockGroup GroupOf(TBlockFamily family);
// A group's table in packing order.
std::span<const TBlockField> GroupTable(TBlockGroup group);
// The rows of the family's group that the family has, in packing order.
std::vector<TBlockField> BlockLayout(TBlockFamily family);

} // namespace tolvane::params
