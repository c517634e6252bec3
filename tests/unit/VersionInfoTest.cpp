#include <gtest/gtest.h>

#include "TestDataPath.h"
#include "about/VersionInfo.h"

namespace {

constexpr VersionStringKey kAllKeys[] = {
    VersionStringKey::CompanyName,      VersionStringKey::FileDescription, VersionStringKey::FileVersion,
    VersionStringKey::InternalName,     VersionStringKey::LegalCopyright,  VersionStringKey::LegalTrademarks,
    VersionStringKey::OriginalFilename, VersionStringKey::ProductName,     VersionStringKey::ProductVersion,
};

}  // namespace

TEST(VersionInfo, OwnModuleCarriesTheProgramVersion) {
    const FixedVersionInfo fixed = GetFixedVersionInfo(nullptr);
    ASSERT_TRUE(fixed.found);
    EXPECT_EQ(fixed.info.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed.info.dwFileVersionMS, 0x00020007u);
    EXPECT_EQ(fixed.info.dwFileVersionLS, 0u);
    EXPECT_EQ(fixed.info.dwProductVersionMS, 0x00020007u);
    EXPECT_EQ(fixed.info.dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed.info.dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed.info.dwFileFlags, 0u);
    EXPECT_EQ(fixed.Major(), 2);
    EXPECT_EQ(fixed.Minor(), 7);
    EXPECT_EQ(fixed.Build(), 0);
    EXPECT_EQ(fixed.Revision(), 0);
    EXPECT_EQ(fixed.FileVersion64(), 562980018192384ull);
}

TEST(VersionInfo, OwnModuleTextsComeFromTheBritishTable) {
    const struct {
        VersionStringKey key;
        const wchar_t* text;
    } cases[] = {
        {VersionStringKey::CompanyName, L"Tallowin"},
        {VersionStringKey::FileDescription, L"Pixmode Display Resolution Switching Application"},
        {VersionStringKey::FileVersion, L"2.7.0.0"},
        {VersionStringKey::InternalName, L"PIXMODE"},
        {VersionStringKey::LegalCopyright, L"Copyright \u00a9 2026 Tallowin. All rights reserved."},
        {VersionStringKey::LegalTrademarks, L""},
        {VersionStringKey::OriginalFilename, L"PIXMODE.EXE"},
        {VersionStringKey::ProductName, L"PIXMODE Application"},
        {VersionStringKey::ProductVersion, L"2.7.0.0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetVersionString(nullptr, c.key), c.text) << VersionStringKeyName(c.key);
    }
}

TEST(VersionInfo, EveryKeyReadsItsOwnValue) {
    // The file has all nine keys, valued "text <index>", under translation 0c0a/04e4.
    const std::wstring path = TestDataPath(L"all_keys.dll");
    for (unsigned index = 0; index < kVersionStringKeyCount; ++index) {
        EXPECT_EQ(ReadVersionString(path, kAllKeys[index]), L"text " + std::to_wstring(index))
            << VersionStringKeyName(kAllKeys[index]);
    }
    const FixedVersionInfo fixed = ReadFixedVersionInfo(path);
    ASSERT_TRUE(fixed.found);
    EXPECT_EQ(fixed.Major(), 3);
    EXPECT_EQ(fixed.Minor(), 14);
    EXPECT_EQ(fixed.Build(), 159);
    EXPECT_EQ(fixed.Revision(), 26535);
    EXPECT_EQ(fixed.FileVersion64(), (3ull << 48) | (14ull << 32) | (159ull << 16) | 26535ull);
}

TEST(VersionInfo, BlockNameUsesFourLowerCaseHexDigitsEach) {
    EXPECT_EQ(VersionStringBlockName(0x0809, 0x04b0, VersionStringKey::FileDescription),
              L"\\StringFileInfo\\080904b0\\FileDescription");
    EXPECT_EQ(VersionStringBlockName(0x0C0A, 0x04E4, VersionStringKey::ProductVersion),
              L"\\StringFileInfo\\0c0a04e4\\ProductVersion");
    EXPECT_EQ(VersionStringBlockName(0xFFFF, 0x0000, VersionStringKey::CompanyName),
              L"\\StringFileInfo\\ffff0000\\CompanyName");
    EXPECT_EQ(VersionStringBlockName(0x0007, 0x00AB, VersionStringKey::LegalTrademarks),
              L"\\StringFileInfo\\000700ab\\LegalTrademarks");
}

TEST(VersionInfo, FilesWithoutReadableTextsGiveEmptyTexts) {
    const struct {
        const wchar_t* file;
        VersionStringKey key;
    } cases[] = {
        // No version resource at all.
        {L"no_version.dll", VersionStringKey::CompanyName},
        {L"no_version.dll", VersionStringKey::FileDescription},
        // A string table that no translation table points to.
        {L"no_translation.dll", VersionStringKey::CompanyName},
        // A translation value of 2 bytes: a language without a code page.
        {L"short_translation.dll", VersionStringKey::CompanyName},
        // Two pairs, only the second with a string table.
        {L"second_translation_only.dll", VersionStringKey::CompanyName},
        {L"second_translation_only.dll", VersionStringKey::FileDescription},
        // The key exists, but only in the table of the second pair.
        {L"two_translations.dll", VersionStringKey::FileDescription},
        // A missing file.
        {L"missing.dll", VersionStringKey::CompanyName},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadVersionString(TestDataPath(c.file), c.key), L"") << c.file << L" " << VersionStringKeyName(c.key);
    }
}

TEST(VersionInfo, OnlyTheFirstTranslationPairIsUsed) {
    EXPECT_EQ(ReadVersionString(TestDataPath(L"two_translations.dll"), VersionStringKey::CompanyName), L"First pair");
}

TEST(VersionInfo, FixedInformationIsFoundOnlyWhereTheFileHasIt) {
    const struct {
        const wchar_t* file;
        bool found;
        DWORD ms;
        DWORD ls;
    } cases[] = {
        {L"no_version.dll", false, 0, 0},
        {L"missing.dll", false, 0, 0},
        // A resource whose fixed part has length 0: nothing to copy.
        {L"no_fixed_info.dll", false, 0, 0},
        // Broken translations do not hide the fixed part.
        {L"no_translation.dll", true, 0x00040003, 0x00020001},
        {L"short_translation.dll", true, 0x00010002, 0x00030004},
    };
    for (const auto& c : cases) {
        const FixedVersionInfo fixed = ReadFixedVersionInfo(TestDataPath(c.file));
        EXPECT_EQ(fixed.found, c.found) << c.file;
        EXPECT_EQ(fixed.info.dwFileVersionMS, c.ms) << c.file;
        EXPECT_EQ(fixed.info.dwFileVersionLS, c.ls) << c.file;
    }
}

TEST(VersionInfo, TextsAreReadEvenWithoutTheFixedPart) {
    const std::wstring path = TestDataPath(L"no_fixed_info.dll");
    EXPECT_EQ(ReadVersionString(path, VersionStringKey::InternalName), L"NOFIXED");
    EXPECT_EQ(ReadVersionString(path, VersionStringKey::FileDescription), L"No fixed part");
}
