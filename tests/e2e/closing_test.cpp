// Every way out of the dialog ends the process and stores nothing, even
// with an edited address on screen.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "pellorin_test.h"
#include "running_pellorin.h"
#include "tests/support/settings_value.h"
#include "user_input.h"

namespace {

struct WayOut {
    const char* name;
    std::function<void(RunningPellorin&)> take;
};

const WayOut WAYS_OUT[] = {
    {"CancelButton", [](RunningPellorin& app) { app.Click(IDCANCEL); }},
    {"EscapeKey", [](RunningPellorin& app) {
         BringToFront(app.Dialog());
         PressKey(VK_ESCAPE);
     }},
    {"CloseBoxClicked", [](RunningPellorin& app) {
         BringToFront(app.Dialog());
         ClickAt(CloseBoxPoint(app.Dialog()));
     }},
    {"SysCommandClose", [](RunningPellorin& app) { PostMessageW(app.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"AltF4", [](RunningPellorin& app) {
         BringToFront(app.Dialog());
         PressWithAlt(VK_F4);
     }},
};

class Closing : public PellorinTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(Closing, EndsTheProgramWithoutSaving)
{
    StoreText(L"http://10.1.2.3:8089/Seal/general/interface/");
    const StoredValue before = ReadValueWide();

    RunningPellorin app;
    app.SetIpAddress(MAKEIPADDRESS(9, 9, 9, 9));
    app.SetItemText(IDC_SERVER_PORT, L"1234");
    GetParam().take(app);

    ASSERT_TRUE(app.Ends()) << "still running " << EXIT_TIMEOUT_MS << " ms after " << GetParam().name;
    EXPECT_LT(app.Process().ExitCode(), 0xC0000000u) << "ended by an exception, code " << std::hex
                                                      << app.Process().ExitCode();
    EXPECT_TRUE(ReadValueWide() == before) << "closing stored " << Describe(ReadValueWide());
}

INSTANTIATE_TEST_SUITE_P(Rows, Closing, ::testing::ValuesIn(WAYS_OUT),
                         [](const ::testing::TestParamInfo<WayOut>& info) { return std::string(info.param.name); });

}  // namespace
