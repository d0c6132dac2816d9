#pragma once

namespace gp {

// Runs the whole program: the main window's start-up, then the event loop until it ends.
int runApplication(int argc, char** argv);

} // namespace gp
