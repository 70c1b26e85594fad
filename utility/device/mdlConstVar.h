// TConstVar: the small integer codes shared by the dialogs (yes, no, enabled,
// disabled and the like in option lists), in their fixed order.
#pragma once

#include <array>
#include <cstddef>

namespace tolvane {

class TConstVar {
  public:
    static constexpr size_t kCount = 22;
    static constexpr std::array<int, kCount> kDefaults = {1, 0, 0, 1, 2, 2, 1, 0, 1, 1, 0,
                                                          1, 0, 0, 1, 1, 0, 0, 1, 0, 1, 2};

    // The value at a position counted from 1 (the first to the twenty-second).
    static constexpr int Nth(size_t position) { return kDefaults.at(position - 1); }

    const std::array<int, kCount>& Values() const { return values_; }

  private:
    std::array<int, kCount> values_ = kDefaults;
};

} // namespace tolvane
