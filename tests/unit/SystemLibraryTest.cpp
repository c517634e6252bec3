#include <gtest/gtest.h>

#include "TestDataPath.h"
#include "framework/SystemLibrary.h"

TEST(SystemLibrary, LoadsTheSystemsVersionLibraryAndFindsItsFunctions) {
    const SystemLibrary library(L"version.dll");
    ASSERT_TRUE(library.Loaded());
    EXPECT_NE(library.Find<void (*)()>("VerQueryValueW"), nullptr);
    EXPECT_EQ(library.Find<void (*)()>("NoSuchFunction"), nullptr);
}

TEST(SystemLibrary, ALibraryOnlyBesideTheProgramIsNotLoaded) {
    const std::wstring beside = FolderWithSeparator(TestProgramPath()) + L"pixmode_beside.dll";
    ASSERT_TRUE(CopyFileW(TestDataPath(L"all_keys.dll").c_str(), beside.c_str(), FALSE));
    // The ordinary search finds it there...
    const HMODULE plain = LoadLibraryExW(L"pixmode_beside.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    EXPECT_NE(plain, nullptr);
    if (plain != nullptr) FreeLibrary(plain);
    // ...the system folder does not have it.
    const SystemLibrary library(L"pixmode_beside.dll");
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(library.Find<void (*)()>("DllMain"), nullptr);
    DeleteFileW(beside.c_str());
}
