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
    {
        const ScopedHandle<LibraryCloser> plain(
            LoadLibraryExW(L"pixmode_beside.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE));
        EXPECT_NE(plain.Get(), nullptr);
    }
    // ...the system folder does not have it.
    const SystemLibrary library(L"pixmode_beside.dll");
    EXPECT_FALSE(library.Loaded());
    EXPECT_EQ(library.Find<void (*)()>("DllMain"), nullptr);
    DeleteFileW(beside.c_str());
}

namespace {
// Records the calls; SetDefaultDllDirectories exists only where told.
class ScriptedDllSearch : public IDllSearch {
public:
    explicit ScriptedDllSearch(bool hasDefaultDirectories) : m_hasDefaultDirectories(hasDefaultDirectories) {}
    bool SetDefaultDirectories(DWORD flags) override {
        calls.push_back(L"SetDefaultDllDirectories " + std::to_wstring(flags));
        return m_hasDefaultDirectories;
    }
    void SetDirectory(const wchar_t* folder) override {
        calls.push_back(folder != nullptr ? L"SetDllDirectory \"" + std::wstring(folder) + L"\""
                                          : L"SetDllDirectory null");
    }
    std::vector<std::wstring> calls;

private:
    bool m_hasDefaultDirectories;
};
}  // namespace

TEST(DllSearch, TheSystemFolderAloneWithoutTouchingTheSearchOfStartedProgramsWhereTheSystemCan) {
    ScriptedDllSearch search(true);
    RestrictDllSearchToSystemFolder(search);
    EXPECT_EQ(search.calls, std::vector<std::wstring>{L"SetDefaultDllDirectories 2048"});
}

TEST(DllSearch, WithoutDefaultDirectoriesTheCurrentFolderLeavesTheSearch) {
    ScriptedDllSearch search(false);
    RestrictDllSearchToSystemFolder(search);
    // An empty folder, not null: null would put the current folder back.
    EXPECT_EQ(search.calls, (std::vector<std::wstring>{L"SetDefaultDllDirectories 2048", L"SetDllDirectory \"\""}));
}
