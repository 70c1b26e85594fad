#include "mdlUsbEvents.h"

namespace tolvane {

TUsbEventRouter::TRoute TUsbEventRouter::RouteOf(const TUsbEvent& event) {
    if (event.DevType != kUsbDeviceType) {
        return TRoute::None;
    }
    if (event.Action == kUsbActionAdd) {
        return TRoute::Arrival;
    }
    if (event.Action == kUsbActionRemove) {
        return TRoute::Removal;
    }
    return TRoute::None;
}

void TUsbEventRouter::Route(const TUsbEvent& event) const {
    switch (RouteOf(event)) {
    case TRoute::Arrival:
        if (OnArrival) {
            OnArrival(event);
        }
        break;
    case TRoute::Removal:
        if (OnRemoval) {
            OnRemoval(event);
        }
        break;
    case TRoute::None:
        break;
    }
}

} // namespace tolvane
