// SPDX-License-Identifier: MIT
#pragma once

namespace Help {

// Makes SIGTERM, SIGINT and SIGHUP end the application's event loop as
// closing its window does, so that the viewer still tidies up (removes its
// socket) on the way out. Call once the application object exists.
void quitOnTerminationSignals();

} // namespace Help
