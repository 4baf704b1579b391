#pragma once

// The program from start to exit: start-up, the event loop, shut-down in their fixed
// order. Returns the process exit status: non-zero after an exception nothing caught.
int ProgramMain(int argc, char** argv);
