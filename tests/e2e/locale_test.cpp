// Each locale run is only worth its time if Pellorin really runs under that
// locale: under zh_CN its ANSI code page is 936, under C it is not, and then
// every Chinese text the other cases read proves the explicit conversion.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "pellorin_test.h"
#include "running_pellorin.h"

namespace {

using Locale = PellorinTest;

TEST_F(Locale, PellorinRunsUnderTheLocaleOfThisRun)
{
    const char* locale = std::getenv("LC_ALL");
    ASSERT_NE(locale, nullptr) << "ctest sets LC_ALL for each run";
    RunningPellorin app;
    const UINT codePage = app.Probe().AnsiCodePage();
    if (std::string(locale).rfind("zh_CN", 0) == 0)
        EXPECT_EQ(codePage, 936u);
    else
        EXPECT_NE(codePage, 936u) << "LC_ALL=" << locale;
    std::printf("LC_ALL=%s: Pellorin's ANSI code page is %u\n", locale, codePage);
}

}  // namespace
