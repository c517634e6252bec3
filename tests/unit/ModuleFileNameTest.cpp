#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestDataPath.h"
#include "about/ModuleFileName.h"

namespace {

struct LibraryFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

// A folder chain under the temporary folder, removed again with everything in it.
class DeepFolder {
public:
    explicit DeepFolder(size_t minimumLength) {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = std::wstring(L"\\\\?\\") + temp + L"pixmode module name " + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(path_.c_str(), nullptr);
        folders_.push_back(path_);
        while (path_.size() < minimumLength) {
            path_ += L"\\a folder with a rather long name for the test";
            CreateDirectoryW(path_.c_str(), nullptr);
            folders_.push_back(path_);
        }
    }
    ~DeepFolder() {
        for (const std::wstring& file : files_) DeleteFileW(file.c_str());
        for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) RemoveDirectoryW(folder->c_str());
    }
    std::wstring Copy(const std::wstring& source, const std::wstring& name) {
        const std::wstring target = path_ + L"\\" + name;
        if (CopyFileW(source.c_str(), target.c_str(), FALSE)) files_.push_back(target);
        return target;
    }

private:
    std::wstring path_;
    std::vector<std::wstring> folders_;
    std::vector<std::wstring> files_;
};

}  // namespace

TEST(ModuleFileName, OwnProgramIsAFullPath) {
    const std::wstring path = ModuleFileName(nullptr);
    ASSERT_GT(path.size(), 20u);
    EXPECT_EQ(path.substr(path.size() - 18), L"\\pixmode_tests.exe");
    EXPECT_EQ(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(ModuleFileName, NameLongerThanMaxPathIsNotCut) {
    DeepFolder folder(2 * MAX_PATH);
    const std::wstring copy = folder.Copy(TestDataPath(L"all_keys.dll"), L"long path.dll");
    std::unique_ptr<HINSTANCE__, LibraryFreer> module(LoadLibraryW(copy.c_str()));
    if (!module) GTEST_SKIP() << "the platform does not load modules from paths this long";
    const std::wstring name = ModuleFileName(module.get());
    EXPECT_GT(name.size(), static_cast<size_t>(2 * MAX_PATH) - 4);
    EXPECT_EQ(name.substr(name.size() - 14), L"\\long path.dll");
}

TEST(ModuleFileName, UnknownModuleHasNoName) {
    EXPECT_EQ(ModuleFileName(reinterpret_cast<HMODULE>(0x10)), L"");
}

TEST(ModuleFileName, FolderKeepsItsSeparator) {
    const struct { const wchar_t* path; const wchar_t* folder; } cases[] = {
        {L"C:\\Program Files\\Pixmode\\pixmode.exe", L"C:\\Program Files\\Pixmode\\"},
        {L"C:\\pixmode.exe", L"C:\\"},
        {L"C:/tools/pixmode.exe", L"C:/tools/"},
        {L"pixmode.exe", L""},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(FolderWithSeparator(c.path), c.folder) << c.path;
}
