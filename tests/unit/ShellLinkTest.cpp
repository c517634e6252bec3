#include <gtest/gtest.h>

#include <windows.h>
#include <shlguid.h>
#include <shlobj.h>

#include "fakes/FakeShellLink.h"
#include "framework/ComPtr.h"
#include "shortcut/ShellLink.h"

using Log = std::vector<std::wstring>;

namespace {

HRESULT Write(FakeComLinkRuntime& runtime) {
    return CreateShellLink(runtime, L"C:\\Pixmode\\pixmode.exe", L" -H800 -R", L"C:\\Desk\\x.lnk", L"Runs it",
                           L"C:\\Games\\game.exe");
}

}  // namespace

TEST(CreateShellLink, SetsTheFourDetailsInOrderSavesAndReleasesBeforeUninitialising) {
    FakeComLinkRuntime runtime;
    EXPECT_EQ(Write(runtime), S_OK);
    EXPECT_EQ(runtime.log,
              (Log{L"Initialize", L"CreateLinkObject", L"SetPath(C:\\Pixmode\\pixmode.exe)", L"SetArguments( -H800 -R)",
                   L"SetDescription(Runs it)", L"SetIconLocation(C:\\Games\\game.exe,0)",
                   L"QueryInterface(IPersistFile)", L"Save(C:\\Desk\\x.lnk,1)", L"Uninitialize refs=0"}));
}

TEST(CreateShellLink, FailuresReturnTheirResultAndBalanceCom) {
    const struct {
        const char* name;
        HRESULT init, create, query, save;
        bool nothingCreated;
        HRESULT expected;
        Log log;
    } cases[] = {
        {"initialisation fails", RPC_E_CHANGED_MODE, S_OK, S_OK, S_OK, false, RPC_E_CHANGED_MODE, {L"Initialize"}},
        {"already initialised",
         S_FALSE,
         S_OK,
         S_OK,
         S_OK,
         false,
         S_OK,
         {L"Initialize", L"CreateLinkObject", L"SetPath(C:\\Pixmode\\pixmode.exe)", L"SetArguments( -H800 -R)",
          L"SetDescription(Runs it)", L"SetIconLocation(C:\\Games\\game.exe,0)", L"QueryInterface(IPersistFile)",
          L"Save(C:\\Desk\\x.lnk,1)", L"Uninitialize refs=0"}},
        {"no link object",
         S_OK,
         REGDB_E_CLASSNOTREG,
         S_OK,
         S_OK,
         false,
         REGDB_E_CLASSNOTREG,
         {L"Initialize", L"CreateLinkObject", L"Uninitialize refs=0"}},
        {"success without an object",
         S_OK,
         S_OK,
         S_OK,
         S_OK,
         true,
         E_POINTER,
         {L"Initialize", L"CreateLinkObject", L"Uninitialize refs=0"}},
        {"no persist interface",
         S_OK,
         S_OK,
         E_NOINTERFACE,
         S_OK,
         false,
         E_NOINTERFACE,
         {L"Initialize", L"CreateLinkObject", L"SetPath(C:\\Pixmode\\pixmode.exe)", L"SetArguments( -H800 -R)",
          L"SetDescription(Runs it)", L"SetIconLocation(C:\\Games\\game.exe,0)", L"QueryInterface(IPersistFile)",
          L"Uninitialize refs=0"}},
        {"save fails",
         S_OK,
         S_OK,
         S_OK,
         E_ACCESSDENIED,
         false,
         E_ACCESSDENIED,
         {L"Initialize", L"CreateLinkObject", L"SetPath(C:\\Pixmode\\pixmode.exe)", L"SetArguments( -H800 -R)",
          L"SetDescription(Runs it)", L"SetIconLocation(C:\\Games\\game.exe,0)", L"QueryInterface(IPersistFile)",
          L"Save(C:\\Desk\\x.lnk,1)", L"Uninitialize refs=0"}},
    };
    for (const auto& c : cases) {
        FakeComLinkRuntime runtime;
        runtime.initializeResult = c.init;
        runtime.createResult = c.create;
        runtime.createHandsOutNothing = c.nothingCreated;
        runtime.link.queryPersistFileResult = c.query;
        runtime.link.saveResult = c.save;
        EXPECT_EQ(Write(runtime), c.expected) << c.name;
        EXPECT_EQ(runtime.log, c.log) << c.name;
        EXPECT_EQ(runtime.link.references, 0u) << c.name;
    }
}

namespace {

// A folder under the temporary folder, removed with its files at the end of the test.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, base);
        m_path = std::wstring(base) + L"pixmode shortcut test " + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const std::wstring& file : m_files) DeleteFileW(file.c_str());
        RemoveDirectoryW(m_path.c_str());
    }
    std::wstring File(const std::wstring& name) {
        m_files.push_back(m_path + L"\\" + name);
        return m_files.back();
    }

private:
    std::wstring m_path;
    std::vector<std::wstring> m_files;
};

struct LinkContents {
    std::wstring path, arguments, description, iconFile;
    int iconIndex = -1;
};

// Reads a link file back through the shell's own link object.
LinkContents ReadLink(const std::wstring& file) {
    LinkContents contents;
    ComPtr<IShellLinkW> link;
    EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.ReceiveVoid()),
              S_OK);
    if (!link) return contents;
    ComPtr<IPersistFile> persist;
    EXPECT_EQ(link->QueryInterface(IID_IPersistFile, persist.ReceiveVoid()), S_OK);
    if (!persist) return contents;
    EXPECT_EQ(persist->Load(file.c_str(), STGM_READ), S_OK);
    std::vector<wchar_t> buffer(2048);
    const int size = static_cast<int>(buffer.size());
    if (link->GetPath(buffer.data(), size, nullptr, SLGP_RAWPATH) == S_OK) contents.path = buffer.data();
    buffer.assign(buffer.size(), L'\0');
    if (link->GetArguments(buffer.data(), size) == S_OK) contents.arguments = buffer.data();
    buffer.assign(buffer.size(), L'\0');
    if (link->GetDescription(buffer.data(), size) == S_OK) contents.description = buffer.data();
    buffer.assign(buffer.size(), L'\0');
    if (link->GetIconLocation(buffer.data(), size, &contents.iconIndex) == S_OK) contents.iconFile = buffer.data();
    return contents;
}

}  // namespace

TEST(CreateShellLink, WritesARealLinkAndReplacesItTheSecondTime) {
    TempFolder folder;
    const std::wstring file = folder.File(L"Your Pixmode application shortcut.lnk");
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring target = std::wstring(system) + L"\\notepad.exe";

    ASSERT_EQ(CreateShellLink(target, L" -H800 -V600 \"-XC:\\Program Files\\a b.exe\"", file, L"first",
                              L"C:\\Program Files\\a b.exe"),
              S_OK);
    ASSERT_EQ(CreateShellLink(target, L" -M0", file, L"second", L""), S_OK);

    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    LinkContents contents = ReadLink(file);
    CoUninitialize();
    EXPECT_EQ(_wcsicmp(contents.path.c_str(), target.c_str()), 0) << contents.path;
    EXPECT_EQ(contents.arguments, L" -M0");
    EXPECT_EQ(contents.description, L"second");
    EXPECT_EQ(contents.iconFile, L"");
}

TEST(CreateShellLink, KeepsArgumentsWithQuotesAndTheIcon) {
    TempFolder folder;
    const std::wstring file = folder.File(L"quoted.lnk");
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring target = std::wstring(system) + L"\\notepad.exe";
    const std::wstring arguments = L" -H1024 -V768 -C65536 -M1 -U -R \"-XC:\\Program Files\\My Game\\game.exe\"";

    ASSERT_EQ(CreateShellLink(target, arguments, file, L"Runs it", L"C:\\Program Files\\My Game\\game.exe"), S_OK);

    ASSERT_EQ(CoInitialize(nullptr), S_OK);
    LinkContents contents = ReadLink(file);
    CoUninitialize();
    EXPECT_EQ(contents.arguments, arguments);
    EXPECT_EQ(contents.description, L"Runs it");
    EXPECT_EQ(contents.iconFile, L"C:\\Program Files\\My Game\\game.exe");
    EXPECT_EQ(contents.iconIndex, 0);
}

TEST(CreateShellLink, ReportsAFolderThatDoesNotExist) {
    const HRESULT result = CreateShellLink(L"C:\\x.exe", L"", L"C:\\no such folder 7f3a\\x.lnk", L"", L"");
    EXPECT_TRUE(FAILED(result)) << std::hex << result;
}
