// The resources compiled into Vorn.exe, read back from the built file.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "vorn_harness.h"

namespace {

const WORD JAPANESE = MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
const WORD ENGLISH_US = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR found)
{
    ((std::set<WORD> *)found)->insert(language);
    return TRUE;
}

BOOL CALLBACK CollectType(HMODULE, LPWSTR type, LONG_PTR found)
{
    ((std::set<ULONG_PTR> *)found)->insert((ULONG_PTR)type);
    return TRUE;
}

class VornResources : public testing::Test {
protected:
    void SetUp() override
    {
        exe_ = ProgramDirectory() + L"Vorn.exe";
        module_ = LoadLibraryExW(exe_.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr);
    }

    void TearDown() override { FreeLibrary(module_); }

    std::set<WORD> Languages(LPCWSTR type, LPCWSTR name) const
    {
        std::set<WORD> languages;
        EnumResourceLanguagesW(module_, type, name, CollectLanguage, (LONG_PTR)&languages);
        return languages;
    }

    std::string Data(LPCWSTR type, LPCWSTR name, WORD language) const
    {
        HRSRC resource = FindResourceExW(module_, type, name, language);
        if (!resource)
            return std::string();
        const char *bytes = (const char *)LockResource(LoadResource(module_, resource));
        return std::string(bytes, SizeofResource(module_, resource));
    }

    std::wstring exe_;
    HMODULE module_ = nullptr;
};

TEST_F(VornResources, EachResourceHasItsNumberAndLanguage)
{
    std::set<ULONG_PTR> types;
    EnumResourceTypesW(module_, CollectType, (LONG_PTR)&types);
    EXPECT_EQ(types, (std::set<ULONG_PTR>{(ULONG_PTR)RT_MENU, (ULONG_PTR)RT_ICON, (ULONG_PTR)RT_GROUP_ICON,
                                          (ULONG_PTR)RT_VERSION, (ULONG_PTR)RT_MANIFEST}));
    EXPECT_EQ(Languages(RT_MENU, MAKEINTRESOURCEW(101)), std::set<WORD>{JAPANESE});
    EXPECT_EQ(Languages(RT_GROUP_ICON, MAKEINTRESOURCEW(103)), std::set<WORD>{JAPANESE});
    EXPECT_EQ(Languages(RT_VERSION, MAKEINTRESOURCEW(1)), std::set<WORD>{JAPANESE});
    EXPECT_EQ(Languages(RT_MANIFEST, MAKEINTRESOURCEW(1)), std::set<WORD>{ENGLISH_US});
}

TEST_F(VornResources, TheIconIsOneSixteenPixelImageWithTwentyFourBitColour)
{
    std::string group = Data(RT_GROUP_ICON, MAKEINTRESOURCEW(103), JAPANESE);
    ASSERT_EQ(group.size(), 6u + 14u) << "one entry expected";
    const unsigned char *bytes = (const unsigned char *)group.data();
    EXPECT_EQ(bytes[4] | bytes[5] << 8, 1);  // image count
    EXPECT_EQ(bytes[6], 16);  // width
    EXPECT_EQ(bytes[7], 16);  // height
    EXPECT_EQ(bytes[12] | bytes[13] << 8, 24);  // bits per pixel
}

TEST_F(VornResources, TheMenuHoldsTheInactiveVersionLineAndExit)
{
    HMENU menu = LoadMenuW(module_, MAKEINTRESOURCEW(101));
    ASSERT_NE(menu, nullptr);
    wchar_t text[64];
    ASSERT_EQ(GetMenuItemCount(menu), 1);
    GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Vorn");

    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(popup), 2);
    GetMenuStringW(popup, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"[Vorn] Ver.0.02");
    EXPECT_EQ(GetMenuItemID(popup, 0), 40006u);
    UINT state = GetMenuState(popup, 0, MF_BYPOSITION);
    EXPECT_TRUE(state & MF_DISABLED) << "the version line must be inactive";
    EXPECT_FALSE(state & MF_GRAYED) << "the version line is drawn normally";

    GetMenuStringW(popup, 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"終了");
    EXPECT_EQ(GetMenuItemID(popup, 1), 40005u);
    EXPECT_EQ(GetMenuState(popup, 1, MF_BYPOSITION) & (MF_DISABLED | MF_GRAYED), 0u);
    DestroyMenu(menu);
}

TEST_F(VornResources, TheVersionBlockNamesVersionAndDescription)
{
    DWORD size = GetFileVersionInfoSizeW(exe_.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoW(exe_.c_str(), 0, size, &block[0]));

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", (void **)&fixed, &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00000000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00020002u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00000000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00020002u);
    EXPECT_EQ(fixed->dwFileType, (DWORD)VFT_APP);
    EXPECT_EQ(fixed->dwFileOS, (DWORD)VOS_NT_WINDOWS32);

    WORD *translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", (void **)&translation, &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0411);
    EXPECT_EQ(translation[1], 1200);

    struct Expected {
        const wchar_t *name;
        const wchar_t *value;  // null: any text that is not empty
    } strings[] = {
        {L"FileDescription", L"ショートカットキーカスタマイズツール"},
        {L"FileVersion", L"0.0.2.2"},
        {L"ProductVersion", L"0.0.2.2"},
        {L"InternalName", L"Vorn.exe"},
        {L"OriginalFilename", L"Vorn.exe"},
        {L"CompanyName", nullptr},
        {L"LegalCopyright", nullptr},
        {L"ProductName", nullptr},
    };
    for (const Expected &expected : strings) {
        std::wstring query = std::wstring(L"\\StringFileInfo\\041104b0\\") + expected.name;
        wchar_t *value = nullptr;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), (void **)&value, &length)) << expected.name;
        if (expected.value)
            EXPECT_STREQ(value, expected.value) << expected.name;
        else
            EXPECT_GT(wcslen(value), 0u) << expected.name;
    }
}

TEST_F(VornResources, TheManifestAsksOnlyForTheInvokersRights)
{
    std::string manifest = Data(RT_MANIFEST, MAKEINTRESOURCEW(1), ENGLISH_US);
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find("uiAccess=\"false\""), std::string::npos);
    for (const char *absent : {"dependency", "dpiAware", "compatibility", "Common-Controls"})
        EXPECT_EQ(manifest.find(absent), std::string::npos) << absent;
}

}  // namespace
