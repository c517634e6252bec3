#include <gtest/gtest.h>

#include "fakes/FakeUpdaterHost.h"
#include "fakes/FakeWebClient.h"
#include "updater/UpdateCheck.h"
#include "updater/UpdaterMessage.h"
#include "updater/UpdaterRequest.h"

TEST(UpdaterRequest, ReadsWellFormedParameters) {
    const struct {
        const wchar_t* text;
        const wchar_t* path;
        long long version;
        bool automatic;
    } cases[] = {
        {L"C:\\Pixmode\\pixmode.exe 0 562980018192384 1", L"C:\\Pixmode\\pixmode.exe", 562980018192384, true},
        {L"C:\\Program Files\\My  Tools\\pixmode.exe 0 562980018192384 0", L"C:\\Program Files\\My  Tools\\pixmode.exe",
         562980018192384, false},
        {L"C:\\p.exe 0 0 1", L"C:\\p.exe", 0, true},
        {L"C:\\p.exe 0 -281474976710655 0", L"C:\\p.exe", -281474976710655, false},
        {L"C:\\p.exe 0 9223372036854775807 0", L"C:\\p.exe", 9223372036854775807LL, false},
        {L"C:\\p.exe 0 -9223372036854775808 0", L"C:\\p.exe", static_cast<long long>(0x8000000000000000ull), false},
        // Trailing blanks that a starter may leave.
        {L"C:\\p.exe 0 5 1  \t", L"C:\\p.exe", 5, true},
        // A path that ends in what looks like the parameters.
        {L"C:\\a 0 1 1\\p.exe 0 7 0", L"C:\\a 0 1 1\\p.exe", 7, false},
    };
    for (const auto& c : cases) {
        const std::optional<UpdaterRequest> request = ParseUpdaterRequest(c.text);
        ASSERT_TRUE(request.has_value()) << c.text;
        EXPECT_EQ(request->programPath, c.path);
        EXPECT_EQ(request->fileVersion, static_cast<FileVersion>(c.version));  // the same bits
        EXPECT_EQ(request->automatic, c.automatic);
    }
}

TEST(UpdaterRequest, RejectsMalformedParameters) {
    const wchar_t* const cases[] = {
        L"",
        L"   ",
        L"C:\\p.exe",
        L"C:\\p.exe 0 562980018192384",    // no flag: the version is read as the flag
        L"C:\\p.exe 0 562980018192384 2",  // flag other than 1 or 0
        L"C:\\p.exe 0 562980018192384 yes",
        L"C:\\p.exe 1 562980018192384 1",  // the constant is not 0
        L"C:\\p.exe 0 2.7.0.0 1",          // not a number
        L"C:\\p.exe 0 +5 1",
        L"C:\\p.exe 0 - 1",
        L"C:\\p.exe 0 12a 1",
        L"C:\\p.exe 0 9223372036854775808 1",  // one above the largest 64-bit number
        L"C:\\p.exe 0 -9223372036854775809 1",
        L"C:\\p.exe 0 99999999999999999999999999 1",
        L"0 562980018192384 1",  // no program path
        L" 0 562980018192384 1",
        L"C:\\p.exe 0  562980018192384 1",  // two blanks leave an empty word
    };
    for (const wchar_t* text : cases) EXPECT_FALSE(ParseUpdaterRequest(text).has_value()) << text;
}

TEST(UpdaterRequest, DottedVersionSplitsTheSixteenBitParts) {
    EXPECT_EQ(DottedVersion(562980018192384), L"2.7.0.0");
    EXPECT_EQ(DottedVersion(0), L"0.0.0.0");
    EXPECT_EQ(DottedVersion(0xFFFF000100020003ull), L"65535.1.2.3");
}

TEST(UpdaterMessage, MalformedParametersAreShownAsAnErrorWhicheverTheFlag) {
    for (const wchar_t* parameters : {L"C:\\p.exe 0 562980018192384", L"", L"C:\\p.exe 0 562980018192384 1 extra"}) {
        const auto web = std::make_shared<FakeWebClient>();
        FakeUpdaterHost host;
        RunUpdater(parameters, {L"", L"http://127.0.0.1:8000/"}, web, host);
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_EQ(host.shown[0].text,
                  L"The updater was started with parameters it cannot read:\n\n" + std::wstring(parameters) +
                      L"\n\nIt expects the program path, 0, the program's version number and 1 or 0.");
        EXPECT_EQ(host.shown[0].style, static_cast<UINT>(MB_OK | MB_ICONERROR));
        EXPECT_TRUE(web->sent.empty());
    }
    EXPECT_STREQ(kUpdaterCaption, L"Pixmode Updater");
}
