// The main of the window test programs: a QApplication first (offscreen unless the caller
// chose a platform), then every test.
#pragma once

int runWindowTests(int argc, char **argv);
