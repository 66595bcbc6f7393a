// SPDX-License-Identifier: MIT
#pragma once

namespace Help {

// Makes SIGTERM, SIGINT and SIGHUP end the application's event loop as
// closing its window does, so that the viewer still tidies up (removes its
// socket) on the way out. A signal that was ignored when the program started
// (SIGHUP under nohup) stays ignored. Call once the application object exists.
void quitOnTerminationSignals();

} // namespace Help
