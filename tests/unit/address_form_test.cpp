#include "settings/address_form.h"

#include <gtest/gtest.h>

#include <string>

#include "registry_fixture.h"

namespace {

using FormTest = SettingsKeyTest;

std::string Octets(const AddressForm& form)
{
    if (!form.ipSet) return "not set";
    return std::to_string(form.ip.octet[0]) + "." + std::to_string(form.ip.octet[1]) + "." +
           std::to_string(form.ip.octet[2]) + "." + std::to_string(form.ip.octet[3]);
}

struct LoadCase {
    const char* stored;  // nullptr: nothing stored
    const char* ip;
    std::int32_t port;
    const char* serverUrl;
    const char* virtualDir;
    const char* savedAs;  // what saving the loaded form unchanged writes
};

// stored                                               ip          port      serverUrl                   virtualDir  saved as
const LoadCase kLoadCases[] = {
    {nullptr,                                            "not set",  8089,     "http://127.0.0.1:8089",    "",   "http://0.0.0.0:8089/Seal/general/interface/"},
    {"http://10.1.2.3:8089/Seal/general/interface/",     "10.1.2.3", 8089,     "http://10.1.2.3:8089",     "",   "http://10.1.2.3:8089/Seal/general/interface/"},
    {"http://10.1.2.3:8089/app/Seal/general/interface/", "10.1.2.3", 8089,     "http://10.1.2.3:8089/app", "app", "http://10.1.2.3:8089/Seal/general/interface/"},
    {"http://10.1.2.3:1234567/Seal/general/interface/",  "10.1.2.3", 1234567,  "http://10.1.2.3:1234567",  "",   nullptr},
    {"http://10.1.2.3/Seal/general/interface/",          "not set",  8089,     "http://10.1.2.3",          "",   "http://0.0.0.0:8089/Seal/general/interface/"},
    {"garbage",                                          "not set",  8089,     "http://127.0.0.1:8089",    "",   "http://0.0.0.0:8089/Seal/general/interface/"},
};

TEST_F(FormTest, LoadFillsTheFormAndSavingItUnchangedWritesTheComposedUrl)
{
    for (const LoadCase& c : kLoadCases) {
        SCOPED_TRACE(c.stored ? c.stored : "(nothing stored)");
        TearDown();
        if (c.stored) StoreText(c.stored);

        AddressForm form;
        LoadAddressForm(form);
        EXPECT_EQ(Octets(form), c.ip);
        EXPECT_EQ(form.port, c.port);
        EXPECT_STREQ(form.serverUrl.text, c.serverUrl);
        EXPECT_STREQ(form.virtualDir.text, c.virtualDir);
        EXPECT_STREQ(form.reserved1002.text, "");
        EXPECT_STREQ(form.reserved1003.text, "");

        if (!c.savedAs) continue;  // the dialog refuses such a port before saving
        EXPECT_EQ(SaveAddressForm(form), SaveOutcome::Saved);
        EXPECT_EQ(ReadRaw().bytes, std::string(c.savedAs) + '\0');
        EXPECT_STREQ(form.serverUrl.text, c.serverUrl) << "saving changed the form";
    }
}

TEST_F(FormTest, SavingTwiceWritesTheSameTextTwice)
{
    AddressForm form;
    form.ipSet = true;
    form.ip.octet[0] = 192;
    form.ip.octet[1] = 168;
    form.ip.octet[2] = 0;
    form.ip.octet[3] = 1;
    form.port = 999999;
    const std::string expected = "http://192.168.0.1:999999/Seal/general/interface/";
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        EXPECT_EQ(SaveAddressForm(form), SaveOutcome::Saved);
        EXPECT_EQ(ReadRaw().bytes, expected + '\0');
    }
}

TEST_F(FormTest, SavingIntoAReadOnlyKeyFailsAndChangesNothing)
{
    StoreText("http://10.1.2.3:8089/Seal/general/interface/");
    MakeKeyReadOnly();
    AddressForm form;
    LoadAddressForm(form);  // full access is refused, so this sees nothing
    EXPECT_FALSE(form.ipSet);
    EXPECT_EQ(SaveAddressForm(form), SaveOutcome::Failed);
    EXPECT_EQ(ReadRaw().bytes, std::string("http://10.1.2.3:8089/Seal/general/interface/") + '\0');
}

TEST(SaveOutcomeMessage, CarriesTheFixedTextsInCodePage936)
{
    struct Row {
        SaveOutcome outcome;
        const char* textHex;
        const char* captionHex;
        unsigned type;
    };
    // outcome               text (code page 936, hex)                                                               caption     MB_ flags
    const Row rows[] = {
        {SaveOutcome::Saved,  "c9e8d6c3b3c9b9a6",                                                                      "cce1cabe", 0x40},
        {SaveOutcome::Failed, "c9e8d6c3caa7b0dca3acbfc9c4dcc4fac3bbd3d0c8a8cfdea3acc7ebc1aacfb5b9dcc0edd4b1",         "beafb8e6", 0x30},
    };
    auto hex = [](const char* s) {
        std::string out;
        for (; *s; ++s) {
            char buf[3];
            snprintf(buf, sizeof buf, "%02x", static_cast<unsigned char>(*s));
            out += buf;
        }
        return out;
    };
    for (const Row& row : rows) {
        const OutcomeMessage m = MessageForOutcome(row.outcome);
        EXPECT_EQ(hex(m.text), row.textHex);
        EXPECT_EQ(hex(m.caption), row.captionHex);
        EXPECT_EQ(m.type, row.type);  // MB_OK plus the icon
    }
}

}  // namespace
