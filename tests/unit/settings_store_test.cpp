#include "settings/settings_store.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "registry_fixture.h"

namespace {

using StoreTest = SettingsKeyTest;

TEST_F(StoreTest, ReadsNothingWhenNoKeyExists)
{
    EXPECT_STREQ(ReadServiceUrl().text, "");
}

TEST_F(StoreTest, ReadsNothingWhenTheKeyHasNoValue)
{
    CreateKeyWithoutValue();
    EXPECT_STREQ(ReadServiceUrl().text, "");
}

struct ReadCase {
    const char* name;
    DWORD type;
    std::string stored;
    std::string expected;
};

std::string Repeat(size_t n) { std::string s(n, 'a'); for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>('a' + i % 26); return s; }

TEST_F(StoreTest, ReadsStoredBytesUpToTheFirstNulAndAtMost255Characters)
{
    const std::string url = "http://10.1.2.3:8089/Seal/general/interface/";
    const ReadCase cases[] = {
        // name                    type        stored bytes                            expected text
        {"url",                    REG_SZ,     url + '\0',                             url},
        {"empty string",           REG_SZ,     std::string(1, '\0'),                   ""},
        {"dword with a zero byte", REG_DWORD,  std::string("123\0", 4),                "123"},
        {"dword without zero",     REG_DWORD,  std::string("DCBA", 4),                 "DCBA"},
        {"binary, no terminator",  REG_BINARY, "http://1.2.3.4:5",                     "http://1.2.3.4:5"},
        {"binary, inner nul",      REG_BINARY, std::string("ab\0cd", 5),               "ab"},
        {"255 characters",         REG_SZ,     Repeat(255) + '\0',                     Repeat(255)},
        {"256 characters",         REG_SZ,     Repeat(256) + '\0',                     Repeat(255)},
        {"300 characters",         REG_SZ,     Repeat(300) + '\0',                     Repeat(255)},
        {"64 KiB",                 REG_SZ,     Repeat(65536) + '\0',                   Repeat(255)},
        {"300 bytes, no nul",      REG_BINARY, Repeat(300),                            Repeat(255)},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.name);
        StoreRaw(c.type, c.stored);
        const UrlText url = ReadServiceUrl();
        EXPECT_EQ(std::string(url.text), c.expected);
        // Nothing lands after the terminator, whatever was stored.
        const size_t length = std::strlen(url.text);
        for (size_t i = length; i < sizeof url.text; ++i) ASSERT_EQ(url.text[i], '\0') << i;
    }
}

TEST_F(StoreTest, WriteCreatesEveryLevelAndStoresTheTextWithOneTerminator)
{
    ASSERT_FALSE(KeyExists("Software\\Kestrune"));
    const char url[] = "http://10.0.0.7:8089/Seal/general/interface/";
    ASSERT_TRUE(WriteServiceUrl(url));

    const RegistryValue stored = ReadRaw();
    ASSERT_TRUE(stored.present);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    ASSERT_EQ(stored.bytes.size(), sizeof url);
    EXPECT_EQ(stored.bytes, std::string(url, sizeof url));
    EXPECT_STREQ(ReadServiceUrl().text, url);
}

TEST_F(StoreTest, WriteReplacesALongerValueOfAnotherTypeExactly)
{
    StoreRaw(REG_BINARY, Repeat(300));
    ASSERT_TRUE(WriteServiceUrl("http://0.0.0.0:0/Seal/general/interface/"));
    const RegistryValue stored = ReadRaw();
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.bytes, std::string("http://0.0.0.0:0/Seal/general/interface/\0", 41));
}

TEST_F(StoreTest, WriteIntoAPartlyExistingPathCreatesTheRest)
{
    HKEY vendor = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Kestrune", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &vendor, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(vendor);
    ASSERT_TRUE(WriteServiceUrl("x"));
    EXPECT_EQ(ReadRaw().bytes, std::string("x\0", 2));
}

TEST_F(StoreTest, AReadOnlyKeyReadsAsNothingAndRefusesTheWrite)
{
    const std::string before = "http://10.1.2.3:8089/Seal/general/interface/";
    StoreText(before);
    MakeKeyReadOnly();

    EXPECT_STREQ(ReadServiceUrl().text, "");
    EXPECT_FALSE(WriteServiceUrl("http://9.9.9.9:1/Seal/general/interface/"));

    const RegistryValue stored = ReadRaw();
    ASSERT_TRUE(stored.present);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.bytes, before + '\0');
}

}  // namespace
