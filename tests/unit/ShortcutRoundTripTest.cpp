#include <gtest/gtest.h>

#include <random>

#include "app/CommandLineParser.h"
#include "display/DisplayRecords.h"
#include "fakes/ArgumentSplitter.h"
#include "shortcut/ShortcutSettings.h"

namespace {

// What the program reads back from a shortcut's arguments: split as the C runtime splits them,
// behind the program's own path, and read by the program's own argument loop.
struct ReadBack {
    CommandLineOptions options;
    bool updateRegistry = false;
};

ReadBack ReadShortcutArguments(const std::wstring& arguments) {
    std::vector<std::wstring> argv = {L"C:\\Tools\\pixmode.exe"};
    for (std::wstring& argument : SplitLikeCRuntime(arguments)) argv.push_back(std::move(argument));
    ReadBack back;
    back.options = ReadArguments(argv, back.updateRegistry);
    return back;
}

void ExpectSameSettings(const ShortcutSettings& s, const ReadBack& back, const std::wstring& text) {
    const CommandLineOptions& o = back.options;
    const std::wstring& where = text;
    auto hasField = [&o](DWORD field) { return (o.fields & field) != 0; };

    EXPECT_EQ(hasField(DM_PELSWIDTH), s.width != 0) << where;
    EXPECT_EQ(static_cast<uint32_t>(o.width), s.width) << where;
    EXPECT_EQ(hasField(DM_PELSHEIGHT), s.height != 0) << where;
    EXPECT_EQ(static_cast<uint32_t>(o.height), s.height) << where;
    EXPECT_EQ(hasField(DM_BITSPERPEL), s.bitsPerPixel != 0) << where;
    EXPECT_EQ(BitsPerPixelFromColourCount(o.colourCount), s.bitsPerPixel) << where;
    EXPECT_EQ(hasField(DM_DISPLAYFREQUENCY), s.frequency != 0) << where;
    EXPECT_EQ(static_cast<uint32_t>(o.frequency), s.frequency) << where;
    if (s.deviceNumber == -1) {
        EXPECT_FALSE(o.monitorNumber.has_value()) << where;
    } else {
        EXPECT_EQ(o.monitorNumber, std::optional<int32_t>(s.deviceNumber)) << where;
    }
    EXPECT_EQ(hasField(DM_DISPLAYORIENTATION), s.rotation != 0) << where;
    EXPECT_EQ(o.orientation, s.rotation) << where;
    EXPECT_EQ(back.updateRegistry, s.updateRegistry) << where;
    EXPECT_EQ(o.onlyWhenMaximized, s.onlyWhenMaximized) << where;
    EXPECT_FALSE(o.remaximize) << where;
    EXPECT_EQ(o.programCommandLine, ProgramCommandLineOf(s.programPath)) << where;
    // Nothing else may be asked for.
    EXPECT_FALSE(hasField(DM_POSITION)) << where;
    EXPECT_FALSE(o.modeNumber.has_value()) << where;
    EXPECT_FALSE(o.windowNumber.has_value()) << where;
    EXPECT_TRUE(o.windowTitle.empty()) << where;
    EXPECT_FALSE(o.quiet || o.makePrimary || o.makeSole || o.listWindows) << where;
}

template <typename T, size_t N>
const T& Pick(std::mt19937& random, const T (&values)[N]) {
    return values[std::uniform_int_distribution<size_t>(0, N - 1)(random)];
}

}  // namespace

TEST(ShortcutRoundTrip, TheProgramReadsBackEverySettingItWasGiven) {
    static const uint32_t widths[] = {0, 640, 800, 1024, 1280, 1920, 7680};
    static const uint32_t heights[] = {0, 480, 600, 768, 1024, 1080, 4320};
    static const uint32_t bits[] = {0, 1, 4, 8, 15, 16, 24, 32};
    static const uint32_t frequencies[] = {0, 1, 56, 60, 75, 85, 144};
    static const int32_t devices[] = {-1, 0, 1, 2, 9};
    static const wchar_t* const folders[] = {L"",
                                             L"C:\\",
                                             L"C:\\Games\\",
                                             L"C:\\Program Files\\",
                                             L"D:\\My Games (old)\\Doom 2\\",
                                             L"\\\\server\\share\\a b\\",
                                             L"C:\\100% fun & games\\",
                                             L"C:\\Spiele\\Grüße\\"};
    static const wchar_t* const files[] = {L"game.exe", L"run it.exe", L"a", L"x -H5 -M7.exe", L"tab\there.exe"};

    std::mt19937 random(20261209);
    for (int round = 0; round < 3000; ++round) {
        ShortcutSettings s;
        s.width = Pick(random, widths);
        s.height = Pick(random, heights);
        s.bitsPerPixel = Pick(random, bits);
        s.frequency = Pick(random, frequencies);
        s.deviceNumber = Pick(random, devices);
        s.rotation = std::uniform_int_distribution<uint32_t>(0, 3)(random);
        s.updateRegistry = random() % 2 == 0;
        s.onlyWhenMaximized = random() % 2 == 0;
        const std::wstring folder = Pick(random, folders);
        s.programPath = folder.empty() && random() % 2 == 0 ? std::wstring() : folder + Pick(random, files);

        const std::wstring text = BuildShortcutArguments(s);
        ExpectSameSettings(s, ReadShortcutArguments(text), text);
        if (::testing::Test::HasFailure()) break;
    }
}

TEST(ShortcutRoundTrip, OddPathsArriveUnchanged) {
    const std::wstring paths[] = {L"C:\\dir\\", L"C:\\a\\\\b.exe", L"a\"b", L"C:\\with trailing\\\\",
                                  L" leading blank"};
    for (const std::wstring& path : paths) {
        ShortcutSettings s;
        s.programPath = path;
        s.width = 800;
        const std::wstring text = BuildShortcutArguments(s);
        ExpectSameSettings(s, ReadShortcutArguments(text), text);
    }
}
