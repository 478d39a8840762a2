// The resources of the built Pellorin.exe, read back from the file and
// checked against the tables they were written from: resource compilers
// add and drop styles on their own, so the script is not proof enough.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/framework_strings.h"
#include "res/resource.h"

namespace {

const WORD LANG_PRC = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

// The RT_ constants as the wide functions take them.
LPCWSTR Wide(LPSTR type) { return reinterpret_cast<LPCWSTR>(type); }
const LPCWSTR TYPE_DIALOG = Wide(RT_DIALOG);
const LPCWSTR TYPE_STRING = Wide(RT_STRING);
const LPCWSTR TYPE_ICON = Wide(RT_ICON);
const LPCWSTR TYPE_GROUP_ICON = Wide(RT_GROUP_ICON);
const LPCWSTR TYPE_VERSION = Wide(RT_VERSION);
const LPCWSTR TYPE_MANIFEST = Wide(RT_MANIFEST);

std::wstring ExePath()
{
    std::string path = PELLORIN_EXE;
    std::wstring wide(path.begin(), path.end());
    if (!wide.empty() && wide[0] == L'/') wide = L"Z:" + wide;  // Wine's drive for /
    for (wchar_t& c : wide)
        if (c == L'/') c = L'\\';
    return wide;
}

// The executable, mapped as data.
class ResourceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        module = LoadLibraryExW(ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() { FreeLibrary(module); }

    void SetUp() override { ASSERT_NE(module, nullptr) << "cannot load " << PELLORIN_EXE; }

    // The bytes of one resource in Chinese (PRC); empty when it is missing.
    static std::vector<BYTE> Resource(LPCWSTR type, UINT id, WORD lang = LANG_PRC)
    {
        HRSRC found = FindResourceExW(module, type, MAKEINTRESOURCEW(id), lang);
        if (!found) return {};
        auto* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
        return std::vector<BYTE>(data, data + SizeofResource(module, found));
    }

    static inline HMODULE module = nullptr;
};

// Reads a dialog template field by field.
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<BYTE>& bytes) : m_bytes(bytes) {}

    WORD Word() { return Get<WORD>(); }
    DWORD Dword() { return Get<DWORD>(); }
    short Short() { return Get<short>(); }
    BYTE Byte() { return Get<BYTE>(); }
    // A string or, after 0xFFFF, an ordinal written as "#n".
    std::wstring SzOrOrd()
    {
        if (Peek() == 0xFFFF) {
            Word();
            return L"#" + std::to_wstring(Word());
        }
        return Sz();
    }
    std::wstring Sz()
    {
        std::wstring s;
        for (WORD c; !AtEnd() && (c = Word()) != 0;) s += static_cast<wchar_t>(c);
        return s;
    }
    void AlignDword() { m_pos = (m_pos + 3) & ~size_t{3}; }
    void Skip(size_t n) { m_pos += n; }
    bool AtEnd() const { return m_pos >= m_bytes.size(); }

private:
    WORD Peek() const
    {
        WORD w = 0;
        if (m_pos + 2 <= m_bytes.size()) std::memcpy(&w, &m_bytes[m_pos], 2);
        return w;
    }
    template <class T> T Get()
    {
        T value{};
        if (m_pos + sizeof(T) > m_bytes.size()) {
            ADD_FAILURE() << "the template ends early";
            m_pos = m_bytes.size();
            return value;
        }
        std::memcpy(&value, &m_bytes[m_pos], sizeof(T));
        m_pos += sizeof(T);
        return value;
    }
    const std::vector<BYTE>& m_bytes;
    size_t m_pos = 0;
};

struct Control {
    DWORD id;
    std::wstring cls;  // "#128" button, "#129" edit, "#130" static, or a class name
    std::wstring text;
    short x, y, cx, cy;
    DWORD style;
    DWORD exStyle;
};

std::string Describe(const Control& c) { return "control id " + std::to_string(static_cast<int>(c.id)); }

const DWORD ID_NONE_EX = 0xFFFFFFFF;  // -1 in an extended template
const DWORD ID_NONE = 0xFFFF;         // -1 in a classic one

const DWORD CHILD = WS_CHILD | WS_VISIBLE;
const DWORD LABEL = CHILD | WS_GROUP | SS_LEFT;
const DWORD HIDDEN_LABEL = WS_CHILD | WS_GROUP | SS_LEFT;
const DWORD FIELD = WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;

const Control kAddressControls[] = {
    // id                 class                text                         x    y    cx   cy  style                                                 ex
    {IDOK,                L"#128",             L"确  定",                   53,  57,  53,  15, CHILD | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_FLAT,       0},
    {IDCANCEL,            L"#128",             L"取  消",                   141, 57,  53,  15, CHILD | WS_TABSTOP | BS_PUSHBUTTON | BS_FLAT,          0},
    {ID_NONE_EX,          L"#130",             L"端口号:",                  138, 29,  28,  8,  LABEL,                                                 0},
    {ID_NONE_EX,          L"#130",             L"印章服务器地址:",          13,  30,  57,  8,  HIDDEN_LABEL,                                          0},
    {IDC_SERVER_IP,       L"SysIPAddress32",   L"IPAddress1",               29,  22,  100, 15, CHILD | WS_TABSTOP,                                    0},
    {IDC_SERVER_PORT,     L"#129",             L"",                         178, 23,  40,  14, CHILD | FIELD,                                         0},
    {ID_NONE_EX,          L"#128",             L"设置电子印章服务器IP地址和端口号", 6, 7, 242, 43, CHILD | BS_GROUPBOX,                                 0},
    {ID_NONE_EX,          L"#128",             L"设置证书验证信息",         6,   7,   242, 55, WS_CHILD | BS_GROUPBOX,                                0},
    {ID_NONE_EX,          L"#130",             L"IP:",                      11,  29,  15,  8,  LABEL,                                                 0},
    {ID_NONE_EX,          L"#130",             L"吊销列表地址:",            13,  53,  56,  8,  HIDDEN_LABEL,                                          0},
    {IDC_RESERVED_1002,   L"#129",             L"",                         13,  58,  220, 14, WS_CHILD | FIELD,                                      0},
    {IDC_RESERVED_1003,   L"#129",             L"",                         28,  47,  220, 14, WS_CHILD | FIELD,                                      0},
    {ID_NONE_EX,          L"#130",             L"虚拟目录:",                14,  62,  35,  8,  HIDDEN_LABEL,                                          0},
    {IDC_VIRTUAL_DIR,     L"#129",             L"",                         6,   57,  242, 15, WS_CHILD | FIELD,                                      0},
    {IDC_SERVER_URL,      L"#129",             L"",                         73,  27,  165, 13, WS_CHILD | FIELD,                                      0},
};

const Control kAboutControls[] = {
    // id        class     text                    x    y   cx   cy  style                                                   ex
    {ID_NONE,    L"#130",  L"#128",                11,  17, 20,  20, CHILD | SS_ICON,                                        0},
    {ID_NONE,    L"#130",  L"Pellorin 1.0 版",     40,  10, 119, 8,  LABEL | SS_NOPREFIX,                                    0},
    {ID_NONE,    L"#130",  L"版权所有 (C) 2026",   40,  25, 119, 8,  LABEL,                                                  0},
    {IDOK,       L"#128",  L"确定",                178, 7,  50,  14, CHILD | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON,       0},
};

void ExpectControl(const Control& got, const Control& want)
{
    SCOPED_TRACE(Describe(want));
    EXPECT_EQ(got.id, want.id);
    EXPECT_EQ(got.cls, want.cls);
    EXPECT_EQ(got.text, want.text);
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.cx, want.cx);
    EXPECT_EQ(got.cy, want.cy);
    EXPECT_EQ(got.style, want.style) << std::hex << "got 0x" << got.style << ", want 0x" << want.style;
    EXPECT_EQ(got.exStyle, want.exStyle);
}

TEST_F(ResourceTest, AddressDialogTemplate)
{
    std::vector<BYTE> bytes = Resource(TYPE_DIALOG, IDD_ADDRESS);
    ASSERT_FALSE(bytes.empty());
    TemplateReader r(bytes);
    EXPECT_EQ(r.Word(), 1);       // dlgVer
    EXPECT_EQ(r.Word(), 0xFFFF);  // signature: an extended template
    EXPECT_EQ(r.Dword(), 0u);     // helpID
    EXPECT_EQ(r.Dword(), static_cast<DWORD>(WS_EX_APPWINDOW));
    EXPECT_EQ(r.Dword(), static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                            DS_MODALFRAME | DS_SETFONT));
    const WORD count = r.Word();
    EXPECT_EQ(r.Short(), 0);
    EXPECT_EQ(r.Short(), 0);
    EXPECT_EQ(r.Short(), 259);
    EXPECT_EQ(r.Short(), 79);
    EXPECT_EQ(r.SzOrOrd(), L"");  // no menu
    EXPECT_EQ(r.SzOrOrd(), L"");  // the standard dialog class
    EXPECT_EQ(r.Sz(), L"设置电子印章服务器地址");
    EXPECT_EQ(r.Word(), 10);  // points
    EXPECT_EQ(r.Word(), 0);   // weight
    EXPECT_EQ(r.Byte(), 0);   // italic
    EXPECT_EQ(r.Byte(), DEFAULT_CHARSET);
    EXPECT_EQ(r.Sz(), L"宋体");

    ASSERT_EQ(count, std::size(kAddressControls));
    for (const Control& want : kAddressControls) {
        r.AlignDword();
        Control got{};
        r.Dword();  // helpID
        got.exStyle = r.Dword();
        got.style = r.Dword();
        got.x = r.Short();
        got.y = r.Short();
        got.cx = r.Short();
        got.cy = r.Short();
        got.id = r.Dword();
        got.cls = r.SzOrOrd();
        got.text = r.SzOrOrd();
        r.Skip(r.Word());  // creation data
        ExpectControl(got, want);
    }
}

TEST_F(ResourceTest, AboutBoxTemplate)
{
    std::vector<BYTE> bytes = Resource(TYPE_DIALOG, IDD_ABOUT);
    ASSERT_FALSE(bytes.empty());
    TemplateReader r(bytes);
    EXPECT_EQ(r.Dword(), static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(r.Dword(), 0u);  // extended style
    const WORD count = r.Word();
    EXPECT_EQ(r.Short(), 0);
    EXPECT_EQ(r.Short(), 0);
    EXPECT_EQ(r.Short(), 235);
    EXPECT_EQ(r.Short(), 55);
    EXPECT_EQ(r.SzOrOrd(), L"");
    EXPECT_EQ(r.SzOrOrd(), L"");
    EXPECT_EQ(r.Sz(), L"关于 Pellorin");
    EXPECT_EQ(r.Word(), 9);
    EXPECT_EQ(r.Sz(), L"宋体");

    ASSERT_EQ(count, std::size(kAboutControls));
    for (const Control& want : kAboutControls) {
        r.AlignDword();
        Control got{};
        got.style = r.Dword();
        got.exStyle = r.Dword();
        got.x = r.Short();
        got.y = r.Short();
        got.cx = r.Short();
        got.cy = r.Short();
        got.id = r.Word();
        got.cls = r.SzOrOrd();
        got.text = r.SzOrOrd();
        r.Skip(r.Word());
        ExpectControl(got, want);
    }
}

TEST_F(ResourceTest, IconIsOne32By32ImageOf24Bits)
{
    std::vector<BYTE> group = Resource(TYPE_GROUP_ICON, IDI_APP);
    ASSERT_GE(group.size(), 6u + 14u);
    WORD header[3];
    std::memcpy(header, group.data(), sizeof header);
    EXPECT_EQ(header[0], 0);  // reserved
    EXPECT_EQ(header[1], 1);  // icon
    ASSERT_EQ(header[2], 1);  // one image
    const BYTE* entry = group.data() + 6;
    EXPECT_EQ(entry[0], 32);  // width
    EXPECT_EQ(entry[1], 32);  // height
    WORD bitCount, imageId;
    std::memcpy(&bitCount, entry + 6, 2);
    std::memcpy(&imageId, entry + 12, 2);
    EXPECT_EQ(bitCount, 24);

    std::vector<BYTE> image = Resource(TYPE_ICON, imageId);
    ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER bmi;
    std::memcpy(&bmi, image.data(), sizeof bmi);
    EXPECT_EQ(bmi.biWidth, 32);
    EXPECT_EQ(bmi.biHeight, 64);  // the image and its mask
    EXPECT_EQ(bmi.biBitCount, 24);
    // Colours, then a one-bit mask: nothing else.
    EXPECT_EQ(image.size(), sizeof bmi + 32 * 32 * 3 + 32 * 4);
}

TEST_F(ResourceTest, Strings)
{
    struct StringCase {
        UINT id;
        const wchar_t* text;
    };
    const StringCase kStrings[] = {
        {IDS_ABOUT_MENU, L"关于 Pellorin(&A)..."},
        {IDP_PARSE_INT, L"请键入一个整数。"},
        {IDP_PARSE_INT_RANGE, L"“请填入一个在%1和%2之间的整数。”"},
        {IDP_FAILED_TO_LAUNCH_HELP, L"启动帮助失败。"},
        // No application title (0xE000): the file name captions the boxes.
        {0xE000, L""},
    };
    for (const StringCase& c : kStrings) {
        SCOPED_TRACE(c.id);
        const wchar_t* text = nullptr;
        int length = LoadStringW(module, c.id, reinterpret_cast<LPWSTR>(&text), 0);
        EXPECT_EQ(std::wstring(text ? text : L"", length), c.text);
        if (*c.text) {
            EXPECT_FALSE(Resource(TYPE_STRING, c.id / 16 + 1).empty()) << "not in Chinese (PRC)";
        }
    }
}

struct LanguageSurvey {
    int count = 0;
    std::vector<std::string> strays;  // resources in another language
};

BOOL CALLBACK NoteLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD lang, LONG_PTR param)
{
    auto* survey = reinterpret_cast<LanguageSurvey*>(param);
    ++survey->count;
    if (type != TYPE_MANIFEST && lang != LANG_PRC)
        survey->strays.push_back("type " + std::to_string(reinterpret_cast<UINT_PTR>(type)) + ", name " +
                                 std::to_string(reinterpret_cast<UINT_PTR>(name)) + ", language " +
                                 std::to_string(lang));
    return TRUE;
}

BOOL CALLBACK NoteLanguagesOf(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param)
{
    return EnumResourceLanguagesW(module, type, name, NoteLanguage, param);
}

TEST_F(ResourceTest, EverythingButTheManifestIsChinesePrc)
{
    LanguageSurvey survey;
    for (LPCWSTR type : {TYPE_DIALOG, TYPE_STRING, TYPE_ICON, TYPE_GROUP_ICON, TYPE_VERSION, TYPE_MANIFEST})
        EnumResourceNamesW(module, type, NoteLanguagesOf, reinterpret_cast<LONG_PTR>(&survey));
    // Two dialogs, at least two string blocks, icon, group, version, manifest.
    EXPECT_GE(survey.count, 8);
    for (const std::string& stray : survey.strays) ADD_FAILURE() << stray;
}

TEST_F(ResourceTest, ManifestAsksForNoElevationAndDeclaresDpiAwareness)
{
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), TYPE_MANIFEST);
    ASSERT_NE(found, nullptr);
    auto* data = static_cast<const char*>(LockResource(LoadResource(module, found)));
    std::string manifest(data, SizeofResource(module, found));
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"),
              std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
}

TEST_F(ResourceTest, VersionBlock)
{
    const std::wstring path = ExePath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x04B0);

    struct Entry {
        const wchar_t* key;
        const wchar_t* value;
    };
    const Entry kEntries[] = {
        {L"CompanyName", L""},
        {L"FileDescription", L"Pellorin Microsoft 基础类应用程序"},
        {L"FileVersion", L"1, 0, 0, 1"},
        {L"InternalName", L"Pellorin"},
        {L"LegalCopyright", L"版权所有 (C) 2026"},  // as the About box says
        {L"LegalTrademarks", L""},
        {L"OriginalFilename", L"Pellorin.EXE"},
        {L"ProductName", L"Pellorin 应用程序"},
        {L"ProductVersion", L"1, 0, 0, 1"},
    };
    for (const Entry& e : kEntries) {
        SCOPED_TRACE(std::string(e.key, e.key + wcslen(e.key)));
        std::wstring query = std::wstring(L"\\StringFileInfo\\080404B0\\") + e.key;
        wchar_t* value = nullptr;
        length = 0;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &length));
        EXPECT_EQ(std::wstring(value && length ? value : L""), e.value);
    }
}

}  // namespace
