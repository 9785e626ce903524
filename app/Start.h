#pragma once

// Starts Wellscope: the application object, its menu bar and document type, the solver window,
// then the event loop. Returns the process's exit status.
int RunWellscope(int argc, char** argv);
