// The device URI of a printer queue, asked of the CUPS scheduler that libcups
// reaches by default (CUPS_SERVER, client.conf, or the local scheduler).
#pragma once

#include <string>

namespace cobrix {

// 0 with the queue's device URI (empty when the queue has none), or a
// positive system code: 2 no such queue, 10061 no scheduler reachable,
// 1314 not allowed, 31 any other failure; -2 out of memory.
int lookUpQueueDeviceUri(const std::string& queueUtf8, std::string& deviceUri);

} // namespace cobrix
