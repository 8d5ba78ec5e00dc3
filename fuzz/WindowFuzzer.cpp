// libFuzzer target: every input is a run of real mouse and key events on the main window,
// offscreen, checked by the referee after every event (tests/support/WindowRuns.h). A broken
// rule aborts with what broke; replay an input with `window_fuzzer FILE`.
#include "support/WindowRuns.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv); // never destroyed: at exit, Qt's own globals may already be gone
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::vector<std::string> problems = jumpline::testing::playWindowEvents(data, size).problems;
    for (const std::string &problem : problems)
        std::fprintf(stderr, "broken: %s\n", problem.c_str());
    if (!problems.empty())
        std::abort();
    return 0;
}
