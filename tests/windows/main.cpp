#include "RunTests.h"

int main(int argc, char **argv)
{
    return runWindowTests(argc, argv);
}
