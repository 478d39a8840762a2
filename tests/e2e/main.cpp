// The end-to-end driver: starts the real Pellorin.exe and works it.
#include <windows.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Inherited by every Pellorin we start: a crash ends the process with its
    // exception code at once, instead of starting Wine's debugger, which
    // would wait for nobody.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
