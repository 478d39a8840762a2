// The running dialog as its template gives it: window, controls, texts,
// visibility, the styles that show in behaviour, and the layout in dialog
// units. (The template's bytes in the file are checked by resource_test.)
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "pellorin_test.h"
#include "running_pellorin.h"
#include "text.h"

namespace {

using DialogLayout = PellorinTest;

LRESULT Ask(HWND window, UINT message, WPARAM wParam)
{
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

TEST_F(DialogLayout, TheWindowIsAModalFrameWithItsIconsAndTheFocusOnOk)
{
    RunningPellorin app;
    HWND dialog = app.Dialog();
    EXPECT_EQ(Utf8(ClassOf(dialog)), "#32770");
    EXPECT_EQ(Utf8(CaptionOf(dialog)), u8"设置电子印章服务器地址");

    const DWORD style = StyleOf(dialog);
    for (DWORD bit : {DWORD(WS_POPUP), DWORD(WS_VISIBLE), DWORD(WS_CAPTION), DWORD(WS_SYSMENU), DWORD(DS_MODALFRAME)})
        EXPECT_EQ(style & bit, bit) << "style " << std::hex << style << " lacks " << bit;
    for (DWORD bit : {DWORD(WS_MINIMIZEBOX), DWORD(WS_MAXIMIZEBOX), DWORD(WS_THICKFRAME), DWORD(WS_CHILD)})
        EXPECT_EQ(style & bit, 0u) << "style " << std::hex << style << " has " << bit;
    EXPECT_EQ(ExStyleOf(dialog) & WS_EX_APPWINDOW, DWORD(WS_EX_APPWINDOW)) << "no taskbar button";
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr) << "the dialog is run without a parent";

    EXPECT_NE(app.Probe().Send(dialog, WM_GETICON, ICON_BIG), 0) << "no big window icon";
    EXPECT_NE(app.Probe().Send(dialog, WM_GETICON, ICON_SMALL), 0) << "no small window icon";

    EXPECT_EQ(Ask(dialog, DM_GETDEFID, 0), MAKELONG(IDOK, DC_HASDEFID)) << "OK is the default button";
    EXPECT_TRUE(app.WaitForFocusOn(IDOK)) << "the focus starts on the first tab stop, OK";
    EXPECT_TRUE(app.HasNoOwnedWindow()) << "a box came up while opening";
}

// The rows of the template, in template order, which is z-order and tab
// order. `style` holds the bits under `mask` that the control must show.
struct ControlRow {
    int id;
    const wchar_t* className;
    const char* text;  // UTF-8; nullptr: not a text the control reports
    int x, y, cx, cy;  // dialog units
    bool shown;
    DWORD style;
};

constexpr DWORD BUTTON_MASK = WS_TABSTOP | WS_GROUP | BS_TYPEMASK | BS_FLAT;
constexpr DWORD STATIC_MASK = WS_TABSTOP | WS_GROUP | SS_TYPEMASK;
constexpr DWORD EDIT_MASK = WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL | ES_MULTILINE | ES_READONLY |
                           ES_PASSWORD | ES_NUMBER;
constexpr DWORD IP_MASK = WS_TABSTOP | WS_GROUP;

DWORD MaskFor(const std::wstring& className)
{
    if (className == L"Button") return BUTTON_MASK;
    if (className == L"Static") return STATIC_MASK;
    if (className == L"Edit") return EDIT_MASK;
    return IP_MASK;
}

// With nothing stored, so the port and the hidden URL edit show the defaults.
const ControlRow CONTROLS[] = {
    // id    class              text                                 x    y    cx   cy  shown  style
    {IDOK,   L"Button",         u8"确  定",                          53,  57,  53, 15, true,  BS_DEFPUSHBUTTON | BS_FLAT | WS_TABSTOP},
    {IDCANCEL, L"Button",       u8"取  消",                          141, 57,  53, 15, true,  BS_PUSHBUTTON | BS_FLAT | WS_TABSTOP},
    {-1,     L"Static",         u8"端口号:",                         138, 29,  28,  8, true,  SS_LEFT | WS_GROUP},
    {-1,     L"Static",         u8"印章服务器地址:",                 13,  30,  57,  8, false, SS_LEFT | WS_GROUP},
    {1000,   L"SysIPAddress32", nullptr,                             29,  22, 100, 15, true,  WS_TABSTOP},
    {1001,   L"Edit",           "8089",                              178, 23,  40, 14, true,  ES_AUTOHSCROLL | WS_TABSTOP},
    {-1,     L"Button",         u8"设置电子印章服务器IP地址和端口号", 6,   7, 242, 43, true,  BS_GROUPBOX},
    {-1,     L"Button",         u8"设置证书验证信息",                6,   7, 242, 55, false, BS_GROUPBOX},
    {-1,     L"Static",         "IP:",                               11,  29,  15,  8, true,  SS_LEFT | WS_GROUP},
    {-1,     L"Static",         u8"吊销列表地址:",                   13,  53,  56,  8, false, SS_LEFT | WS_GROUP},
    {1002,   L"Edit",           "",                                  13,  58, 220, 14, false, ES_AUTOHSCROLL | WS_TABSTOP},
    {1003,   L"Edit",           "",                                  28,  47, 220, 14, false, ES_AUTOHSCROLL | WS_TABSTOP},
    {-1,     L"Static",         u8"虚拟目录:",                       14,  62,  35,  8, false, SS_LEFT | WS_GROUP},
    {1004,   L"Edit",           "",                                  6,   57, 242, 15, false, ES_AUTOHSCROLL | WS_TABSTOP},
    {1005,   L"Edit",           "http://127.0.0.1:8089",             73,  27, 165, 13, false, ES_AUTOHSCROLL | WS_TABSTOP},
};

// The dialog's base units are whole numbers; find the one that maps the
// template's extent onto the client area's.
int BaseUnit(int dialogUnits, int divisor, int pixels)
{
    for (int base = 1; base < 200; ++base)
        if (MulDiv(dialogUnits, base, divisor) == pixels) return base;
    return 0;
}

TEST_F(DialogLayout, ControlsAsTheTemplateGivesThem)
{
    RunningPellorin app;
    HWND dialog = app.Dialog();

    RECT client;
    GetClientRect(dialog, &client);
    const int baseX = BaseUnit(259, 4, client.right), baseY = BaseUnit(79, 8, client.bottom);
    EXPECT_NE(baseX, 0) << "client width " << client.right << " is not 259 dialog units";
    EXPECT_NE(baseY, 0) << "client height " << client.bottom << " is not 79 dialog units";

    const std::vector<HWND> children = Children(dialog);
    ASSERT_EQ(children.size(), std::size(CONTROLS));
    for (size_t i = 0; i < children.size(); ++i) {
        const ControlRow& row = CONTROLS[i];
        HWND control = children[i];
        SCOPED_TRACE("template row " + std::to_string(i + 1) + " (id " + std::to_string(row.id) + ")");

        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(control)), static_cast<WORD>(row.id));
        EXPECT_EQ(Utf8(ClassOf(control)), Utf8(row.className));
        if (row.text) {
            EXPECT_EQ(Utf8(TextOf(control)), row.text);
        }
        EXPECT_EQ(IsWindowVisible(control) != FALSE, row.shown);

        const DWORD style = StyleOf(control);
        const DWORD mask = MaskFor(row.className);
        EXPECT_EQ(style & mask, row.style) << "style " << std::hex << style;
        if (row.className == std::wstring(L"Edit")) {
            // The edit control trades WS_BORDER for a client edge of its own
            // making; one of the two is there when the template asks for a border.
            EXPECT_TRUE((style & WS_BORDER) || (ExStyleOf(control) & WS_EX_CLIENTEDGE)) << "no border";
        }

        if (baseX && baseY) {
            RECT rect;
            GetWindowRect(control, &rect);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_NEAR(rect.left, MulDiv(row.x, baseX, 4), 1);
            EXPECT_NEAR(rect.top, MulDiv(row.y, baseY, 8), 1);
            EXPECT_NEAR(rect.right - rect.left, MulDiv(row.cx, baseX, 4), 1);
            EXPECT_NEAR(rect.bottom - rect.top, MulDiv(row.cy, baseY, 8), 1);
        }
    }
}

}  // namespace
