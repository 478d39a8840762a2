#include "settings/service_url.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct ParseCase {
    const char* stored;
    const char* displayText;
    bool hasAddress;
    int octets[4];
    std::int32_t port;
    const char* virtualDir;  // nullptr: none
};

// stored text                                              displayText                  addr   octets            port        virtualDir
const ParseCase kParseCases[] = {
    {"",                                                     "http://127.0.0.1:8089",     false, {0, 0, 0, 0},     0,          nullptr},
    {"http://10.1.2.3:8089/Seal/general/interface/",         "http://10.1.2.3:8089",      true,  {10, 1, 2, 3},    8089,       nullptr},
    {"http://10.1.2.3:8089/app/Seal/general/interface/",     "http://10.1.2.3:8089/app",  true,  {10, 1, 2, 3},    8089,       "app"},
    {"http://10.1.2.3:8089/other/",                          "http://127.0.0.1:8089",     true,  {10, 1, 2, 3},    8089,       "other/"},
    {"http://10.1.2.3/Seal/general/interface/",              "http://10.1.2.3",           false, {0, 0, 0, 0},     0,          nullptr},
    {"http://300.1.2.-1:8089/Seal/general/interface/",       "http://300.1.2.-1:8089",    true,  {44, 1, 2, 255},  8089,       nullptr},
    {"http://256.511.x.:1/Seal/general/interface/",          "http://256.511.x.:1",       true,  {0, 255, 0, 0},   1,          nullptr},
    {"http://10.1.2.3:/Seal/general/interface/",             "http://10.1.2.3:",          true,  {10, 1, 2, 3},    0,          nullptr},
    {"http://10.1.2.3:abc",                                  "http://127.0.0.1:8089",     true,  {10, 1, 2, 3},    0,          nullptr},
    {"http://10.1.2.3:1234567/Seal/general/interface/",      "http://10.1.2.3:1234567",   true,  {10, 1, 2, 3},    1234567,    nullptr},
    {"http://10.1.2.3:4294967297/Seal/general/interface/",   "http://10.1.2.3:4294967297", true, {10, 1, 2, 3},    1,          nullptr},
    {"http://10.1.2.3: \t8089/Seal/general/interface/",      "http://10.1.2.3: \t8089",   true,  {10, 1, 2, 3},    8089,       nullptr},
    {"http://10.1.2:8089/Seal/general/interface/",           "http://10.1.2:8089",        false, {0, 0, 0, 0},     0,          nullptr},
    {"http://10.1.2.3/x",                                    "http://127.0.0.1:8089",     false, {0, 0, 0, 0},     0,          nullptr},
    {"10.1.2.3:8089/Seal/general/interface/",                "10.1.2.3:8089",             false, {0, 0, 0, 0},     0,          nullptr},
    {"http://seal.example.com:8089/Seal/general/interface/", "http://seal.example.com:8089", false, {0, 0, 0, 0},   0,          nullptr},
    {"http://host.name:80.1.2:5/x",                          "http://127.0.0.1:8089",     true,  {0, 0, 1, 2},     5,          "x"},
    {"http://1.2.3.4:80/a/b/Seal/general/interface/",        "http://1.2.3.4:80/a/b",     true,  {1, 2, 3, 4},     80,         "a/b"},
    {"http://1.2.3.4:80/",                                   "http://127.0.0.1:8089",     true,  {1, 2, 3, 4},     80,         ""},
    {"/Seal/general/interface/",                             "",                          false, {0, 0, 0, 0},     0,          nullptr},
    {"xhttp://1.2.3.4:5",                                    "http://127.0.0.1:8089",     true,  {1, 2, 3, 4},     5,          nullptr},
};

TEST(ParseStoredUrl, SplitsStoredTextsAsTheTableSays)
{
    for (const ParseCase& c : kParseCases) {
        SCOPED_TRACE(::testing::Message() << "stored \"" << c.stored << "\"");
        const StoredUrlParts parts = ParseStoredUrl(c.stored);
        EXPECT_STREQ(parts.displayText.text, c.displayText);
        ASSERT_EQ(parts.hasAddress, c.hasAddress);
        if (c.hasAddress) {
            for (int i = 0; i < 4; ++i) {
                EXPECT_EQ(parts.octets.octet[i], c.octets[i]) << "octet " << i;
            }
            EXPECT_EQ(parts.port, c.port);
        }
        ASSERT_EQ(parts.hasVirtualDir, c.virtualDir != nullptr);
        if (c.virtualDir) {
            EXPECT_STREQ(parts.virtualDir.text, c.virtualDir);
        }
    }
}

TEST(ParseStoredUrl, LeavesTheCallersTextUnchanged)
{
    const char original[] = "http://10.1.2.3:8089/app/Seal/general/interface/";
    char stored[sizeof original];
    std::memcpy(stored, original, sizeof original);
    ParseStoredUrl(stored);
    EXPECT_EQ(std::memcmp(stored, original, sizeof original), 0);
}

TEST(ParseStoredUrl, LooksAtNoMoreThan255Characters)
{
    // The service path starts at character 250: only its first five
    // characters are inside the 255 looked at, so it is not found.
    std::string stored = "http://10.1.2.3:8089/" + std::string(229, 'd');
    ASSERT_EQ(stored.size(), 250u);
    stored += "/Seal/general/interface/";
    const StoredUrlParts parts = ParseStoredUrl(stored.c_str());
    EXPECT_STREQ(parts.displayText.text, DEFAULT_SERVICE_URL);
    ASSERT_TRUE(parts.hasVirtualDir);
    EXPECT_EQ(std::strlen(parts.virtualDir.text), 255u - 21u);

    // A text of several kilobytes without any terminator inside the first
    // 255 characters still yields terminated fields.
    const std::string huge = "http://1.2.3.4:5/" + std::string(5000, 'v');
    const StoredUrlParts big = ParseStoredUrl(huge.c_str());
    EXPECT_EQ(big.port, 5);
    EXPECT_EQ(std::strlen(big.virtualDir.text), 255u - 17u);
}

struct FormatCase {
    int octets[4];
    std::int32_t port;
    const char* expected;
};

// octets                port     expected
const FormatCase kFormatCases[] = {
    {{10, 0, 0, 7},        8089,    "http://10.0.0.7:8089/Seal/general/interface/"},
    {{0, 0, 0, 0},         0,       "http://0.0.0.0:0/Seal/general/interface/"},
    {{255, 255, 255, 255}, 999999,  "http://255.255.255.255:999999/Seal/general/interface/"},
    {{1, 20, 100, 200},    443,     "http://1.20.100.200:443/Seal/general/interface/"},
};

IpOctets MakeOctets(const int (&o)[4])
{
    IpOctets ip;
    for (int i = 0; i < 4; ++i) ip.octet[i] = static_cast<std::uint8_t>(o[i]);
    return ip;
}

TEST(FormatServiceUrl, WritesTheTemplateWithoutLeadingZeros)
{
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(c.expected);
        EXPECT_STREQ(FormatServiceUrl(MakeOctets(c.octets), c.port).text, c.expected);
    }
    EXPECT_EQ(std::strlen(kFormatCases[2].expected), 53u);
}

TEST(FormatServiceUrl, ParsingWhatItWroteGivesBackOctetsAndPort)
{
    const int ports[] = {0, 1, 80, 8089, 65535, 65536, 999999};
    for (const FormatCase& c : kFormatCases) {
        for (int port : ports) {
            const IpOctets ip = MakeOctets(c.octets);
            const UrlText url = FormatServiceUrl(ip, port);
            SCOPED_TRACE(url.text);
            const StoredUrlParts parts = ParseStoredUrl(url.text);
            ASSERT_TRUE(parts.hasAddress);
            EXPECT_EQ(std::memcmp(parts.octets.octet, ip.octet, 4), 0);
            EXPECT_EQ(parts.port, port);
            EXPECT_FALSE(parts.hasVirtualDir);
            const std::string composed = url.text;
            EXPECT_EQ(parts.displayText.text,
                      composed.substr(0, composed.size() - std::strlen("/Seal/general/interface/")));
        }
    }
}

TEST(IpOctets, PackPutsTheFirstOctetInTheTopByte)
{
    const IpOctets ip = MakeOctets({10, 1, 2, 3});
    EXPECT_EQ(PackIpOctets(ip), 0x0A010203u);
    const IpOctets back = UnpackIpOctets(0xC0A80164u);
    EXPECT_EQ(back.octet[0], 192);
    EXPECT_EQ(back.octet[1], 168);
    EXPECT_EQ(back.octet[2], 1);
    EXPECT_EQ(back.octet[3], 100);
    EXPECT_EQ(PackIpOctets(back), 0xC0A80164u);
}

}  // namespace
