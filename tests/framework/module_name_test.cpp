// The application's name and the help file's path, from the executable's path.
#include "framework/module_name.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

struct PathCase {
    const wchar_t* path;
    const wchar_t* baseName;
    const wchar_t* helpPath;
};

const PathCase kCases[] = {
    // path                                  base name      help file
    {L"C:\\dir\\Pellorin.exe",               L"Pellorin",   L"C:\\dir\\Pellorin.HLP"},
    {L"Z:\\work\\app\\Pellorin.EXE",         L"Pellorin",   L"Z:\\work\\app\\Pellorin.HLP"},
    {L"C:\\dir.v2\\Pellorin",                L"Pellorin",   L"C:\\dir.v2\\Pellorin.HLP"},
    {L"C:\\dir\\my.app.exe",                 L"my.app",     L"C:\\dir\\my.app.HLP"},
    {L"Pellorin.exe",                        L"Pellorin",   L"Pellorin.HLP"},
    {L"/unix/dir/Pellorin.exe",              L"Pellorin",   L"/unix/dir/Pellorin.HLP"},
    {L"C:Pellorin.exe",                      L"Pellorin",   L"C:Pellorin.HLP"},
    {L"\\\\server\\share\\Pellorin.exe",     L"Pellorin",   L"\\\\server\\share\\Pellorin.HLP"},
    {L"C:\\dir\\.exe",                       L".exe",       L"C:\\dir\\.exe.HLP"},
};

TEST(ModuleNameTest, BaseNameAndHelpFile)
{
    for (const PathCase& c : kCases) {
        SCOPED_TRACE(Narrow(c.path));
        TextSpan span = ModuleBaseName(c.path);
        EXPECT_EQ(std::wstring(c.path + span.start, span.length), c.baseName);

        wchar_t help[260];
        ASSERT_TRUE(HelpFilePathFor(c.path, help, 260));
        EXPECT_EQ(std::wstring(help), c.helpPath);
    }
}

TEST(ModuleNameTest, HelpPathThatDoesNotFitIsRefused)
{
    const wchar_t* path = L"C:\\d\\Pellorin.exe";  // help path: 17 characters
    wchar_t help[32];
    std::wmemset(help, L'#', 32);
    EXPECT_TRUE(HelpFilePathFor(path, help, 18));  // exactly room for the terminator
    EXPECT_EQ(std::wstring(help), L"C:\\d\\Pellorin.HLP");
    EXPECT_EQ(help[18], L'#');

    std::wmemset(help, L'#', 32);
    EXPECT_FALSE(HelpFilePathFor(path, help, 17));
    EXPECT_EQ(help[0], L'\0');
    EXPECT_EQ(help[1], L'#');
}

}  // namespace
