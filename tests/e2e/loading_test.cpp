// What the dialog shows for what is stored: each row starts Pellorin afresh
// over one registry state and reads every field the load fills.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "pellorin_test.h"
#include "running_pellorin.h"
#include "tests/support/settings_value.h"
#include "text.h"

namespace {

enum class Stored { Nothing, KeyWithoutValue, Value };

struct LoadRow {
    const char* name;
    Stored stored;
    DWORD type;
    std::vector<BYTE> bytes;
    // What the dialog shows: the IP fields ("" all blank), the port edit, the
    // hidden URL edit 1005 and the hidden virtual-directory edit 1004.
    std::string ip;
    std::string port;
    std::string url;
    std::string virtualDir;
};

std::vector<BYTE> Utf16(const std::wstring& text, bool terminated = true)
{
    const BYTE* begin = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(begin, begin + (text.size() + terminated) * sizeof(wchar_t));
}

const std::string URL = "http://10.1.2.3:8089/Seal/general/interface/";
const std::string DEFAULT_URL = "http://127.0.0.1:8089";
// 300 characters; the store keeps the first 255, and the service path lies
// beyond them in the second.
const std::string LONG_WITH_PATH_INSIDE = URL + std::string(300 - URL.size(), 'x');
const std::string LONG_WITH_PATH_BEYOND =
    "http://10.1.2.3:8089/" + std::string(279 - 24, 'a') + "/Seal/general/interface/";

std::vector<LoadRow> Rows()
{
    const std::wstring url = Wide(URL);
    return {
        // name                    stored                  type           data                                                        ip            port       url                        virtual dir
        {"NoKeyAtAll",             Stored::Nothing,         0,            {},                                                         "",           "8089",    DEFAULT_URL,               ""},
        {"KeyWithoutValue",        Stored::KeyWithoutValue, 0,            {},                                                         "",           "8089",    DEFAULT_URL,               ""},
        {"EmptyText",              Stored::Value,           REG_SZ,       Utf16(L""),                                                 "",           "8089",    DEFAULT_URL,               ""},
        {"ServiceUrl",             Stored::Value,           REG_SZ,       Utf16(url),                                                 "10.1.2.3",   "8089",    "http://10.1.2.3:8089",    ""},
        {"VirtualDirectory",       Stored::Value,           REG_SZ,       Utf16(L"http://10.1.2.3:8089/app/Seal/general/interface/"), "10.1.2.3",   "8089",    "http://10.1.2.3:8089/app", "app"},
        {"WithoutServicePath",     Stored::Value,           REG_SZ,       Utf16(L"http://10.1.2.3:8089/other/"),                      "10.1.2.3",   "8089",    DEFAULT_URL,               "other/"},
        {"WithoutPort",            Stored::Value,           REG_SZ,       Utf16(L"http://10.1.2.3/Seal/general/interface/"),          "",           "8089",    "http://10.1.2.3",         ""},
        {"OctetsOutOfRange",       Stored::Value,           REG_SZ,       Utf16(L"http://300.1.2.-1:8089/Seal/general/interface/"),   "44.1.2.255", "8089",    "http://300.1.2.-1:8089",  ""},
        {"PortAboveTheRange",      Stored::Value,           REG_SZ,       Utf16(L"http://10.1.2.3:1234567/Seal/general/interface/"),  "10.1.2.3",   "1234567", "http://10.1.2.3:1234567",  ""},
        {"PortWrapsAt32Bits",      Stored::Value,           REG_SZ,       Utf16(L"http://10.1.2.3:4294967297/Seal/general/interface/"), "10.1.2.3", "1",       "http://10.1.2.3:4294967297", ""},
        {"NegativePort",           Stored::Value,           REG_SZ,       Utf16(L"http://10.1.2.3:-5/Seal/general/interface/"),       "10.1.2.3",   "-5",      "http://10.1.2.3:-5",      ""},
        {"ExpandString",           Stored::Value,           REG_EXPAND_SZ, Utf16(url),                                                "10.1.2.3",   "8089",    "http://10.1.2.3:8089",    ""},
        {"BinaryText",             Stored::Value,           REG_BINARY,   AsciiBytes(URL),                                            "10.1.2.3",   "8089",    "http://10.1.2.3:8089",    ""},
        {"BinaryWithoutTerminator", Stored::Value,           REG_BINARY,   AsciiBytes(URL, false),                                     "10.1.2.3",   "8089",    "http://10.1.2.3:8089",    ""},
        {"SzWithoutTerminator",    Stored::Value,           REG_SZ,       Utf16(url, false),                                          "10.1.2.3",   "8089",    "http://10.1.2.3:8089",    ""},
        {"MultiString",            Stored::Value,           REG_MULTI_SZ, Utf16(url + L'\0' + L"http://9.9.9.9:1/" + L'\0'),          "10.1.2.3",   "8089",    "http://10.1.2.3:8089",    ""},
        {"Dword",                  Stored::Value,           REG_DWORD,    {'1', '2', '3', 0},                                         "",           "8089",    DEFAULT_URL,               ""},
        {"LongWithPathInside",     Stored::Value,           REG_SZ,       Utf16(Wide(LONG_WITH_PATH_INSIDE)),                         "10.1.2.3",   "8089",    "http://10.1.2.3:8089",    ""},
        // Cut at 255 characters: 21 of address and 234 of directory remain.
        {"LongWithPathBeyond",     Stored::Value,           REG_SZ,       Utf16(Wide(LONG_WITH_PATH_BEYOND)),                         "10.1.2.3",   "8089",    DEFAULT_URL,               std::string(234, 'a')},
    };
}

class Loading : public PellorinTest, public ::testing::WithParamInterface<LoadRow> {};

TEST_P(Loading, ShowsWhatIsStored)
{
    const LoadRow& row = GetParam();
    if (row.stored == Stored::KeyWithoutValue) CreateSettingsKey();
    if (row.stored == Stored::Value) StoreValue(row.type, row.bytes);
    const StoredValue before = ReadValueWide();

    RunningPellorin app;
    EXPECT_EQ(app.IpFieldTexts(), row.ip);
    EXPECT_EQ(app.IpIsBlank(), row.ip.empty()) << "IPM_ISBLANK";
    if (!row.ip.empty()) {
        const IpReading reading = app.IpAddress();
        EXPECT_EQ(reading.filledFields, 4);
        unsigned a, b, c, d;
        ASSERT_EQ(std::sscanf(row.ip.c_str(), "%u.%u.%u.%u", &a, &b, &c, &d), 4);
        EXPECT_EQ(reading.address, MAKEIPADDRESS(a, b, c, d)) << "IPM_GETADDRESS";
    }
    EXPECT_EQ(app.ItemText(IDC_SERVER_PORT), row.port);
    EXPECT_EQ(app.ItemText(IDC_SERVER_URL), row.url);
    EXPECT_EQ(app.ItemText(IDC_VIRTUAL_DIR), row.virtualDir);
    EXPECT_EQ(app.ItemText(IDC_RESERVED_1002), "");
    EXPECT_EQ(app.ItemText(IDC_RESERVED_1003), "");
    EXPECT_TRUE(app.HasNoOwnedWindow()) << "loading shows no message";
    EXPECT_TRUE(ReadValueWide() == before) << "opening the dialog wrote to the store";
}

INSTANTIATE_TEST_SUITE_P(Rows, Loading, ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<LoadRow>& info) { return std::string(info.param.name); });

}  // namespace
