// The program's windows as start-up makes them: the component classes its descriptions name,
// the application object with its title, the main window, then the seven information windows,
// hidden. The information windows follow once the message loop has painted the main window
// (or when a command asks for one first). The caller owns the application, keeps COM for its
// life and runs the message loop.
#pragma once

#include "app/command_line.h"
#include "app/fmain1.h"

namespace telvana {

TFmain1& CreateProgramWindows(ui::TApplication& application);

// Carries out what the command line asks, once the program has started: an address plays
// at the first idle moment, after the main window's first paint.
void CarryOutCommandLine(const CommandLineRequest& request, TFmain1& main,
                         ui::TApplication& application);

}  // namespace telvana
