#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "app/CommandLineParser.h"

namespace {

// Compares every field, so an option that touches more than its own field is caught.
void ExpectSameOptions(const CommandLineOptions& actual, const CommandLineOptions& expected, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(actual.programCommandLine, expected.programCommandLine);
    EXPECT_EQ(actual.windowTitle, expected.windowTitle);
    EXPECT_EQ(actual.colourCount, expected.colourCount);
    EXPECT_EQ(actual.windowNumber, expected.windowNumber);
    EXPECT_EQ(actual.height, expected.height);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.frequency, expected.frequency);
    EXPECT_EQ(actual.orientation, expected.orientation);
    EXPECT_EQ(actual.fields, expected.fields);
    EXPECT_EQ(actual.monitorNumber, expected.monitorNumber);
    EXPECT_EQ(actual.modeNumber, expected.modeNumber);
    EXPECT_EQ(actual.quiet, expected.quiet);
    EXPECT_EQ(actual.makePrimary, expected.makePrimary);
    EXPECT_EQ(actual.makeSole, expected.makeSole);
    EXPECT_EQ(actual.onlyWhenMaximized, expected.onlyWhenMaximized);
    EXPECT_EQ(actual.remaximize, expected.remaximize);
    EXPECT_EQ(actual.listWindows, expected.listWindows);
}

struct GrammarCase {
    const char* name;
    std::vector<std::wstring> arguments;  // after the program itself
    std::function<void(CommandLineOptions&)> expect;
    bool updateRegistry;
};

const std::vector<GrammarCase>& GrammarCases() {
    static const std::vector<GrammarCase> cases = {
        {"nothing", {}, [](CommandLineOptions&) {}, false},
        {"width and height, either case",
         {L"/h800", L"/V600"},
         [](CommandLineOptions& o) {
             o.width = 800;
             o.height = 600;
             o.fields = DM_PELSWIDTH | DM_PELSHEIGHT;
         },
         false},
        {"blank after the letter makes a mode number",
         {L"-H", L"800"},
         [](CommandLineOptions& o) {
             o.width = 0;
             o.fields = DM_PELSWIDTH;
             o.modeNumber = 800;
         },
         false},
        {"backslash prefix",
         {L"\\h800"},
         [](CommandLineOptions& o) {
             o.width = 800;
             o.fields = DM_PELSWIDTH;
         },
         false},
        {"45 degrees is the default orientation",
         {L"-O45"},
         [](CommandLineOptions& o) {
             o.orientation = 0;
             o.fields = DM_DISPLAYORIENTATION;
         },
         false},
        {"90 degrees",
         {L"-O90"},
         [](CommandLineOptions& o) {
             o.orientation = 1;
             o.fields = DM_DISPLAYORIENTATION;
         },
         false},
        {"180 degrees",
         {L"/o180"},
         [](CommandLineOptions& o) {
             o.orientation = 2;
             o.fields = DM_DISPLAYORIENTATION;
         },
         false},
        {"270 degrees",
         {L"-O270"},
         [](CommandLineOptions& o) {
             o.orientation = 3;
             o.fields = DM_DISPLAYORIENTATION;
         },
         false},
        {"minus 90 and 360 degrees",
         {L"-O-90", L"-O360"},
         [](CommandLineOptions& o) {
             o.orientation = 0;
             o.fields = DM_DISPLAYORIENTATION;
         },
         false},
        {"later orientation wins",
         {L"-O90", L"-O45"},
         [](CommandLineOptions& o) {
             o.orientation = 0;
             o.fields = DM_DISPLAYORIENTATION;
         },
         false},
        {"R1",
         {L"-R1"},
         [](CommandLineOptions& o) {
             o.onlyWhenMaximized = true;
             o.remaximize = true;
         },
         false},
        {"R12 begins with 1",
         {L"-r12"},
         [](CommandLineOptions& o) {
             o.onlyWhenMaximized = true;
             o.remaximize = true;
         },
         false},
        {"R0", {L"-R0"}, [](CommandLineOptions& o) { o.onlyWhenMaximized = true; }, false},
        {"R", {L"/R"}, [](CommandLineOptions& o) { o.onlyWhenMaximized = true; }, false},
        {"R after R1 does not clear",
         {L"-R1", L"-R"},
         [](CommandLineOptions& o) {
             o.onlyWhenMaximized = true;
             o.remaximize = true;
         },
         false},
        {"W-3 lists and sets no number", {L"-W-3"}, [](CommandLineOptions& o) { o.listWindows = true; }, false},
        {"W with a number", {L"-w2"}, [](CommandLineOptions& o) { o.windowNumber = 2; }, false},
        {"W without a value is window 0", {L"-W"}, [](CommandLineOptions& o) { o.windowNumber = 0; }, false},
        {"W- keeps an earlier number",
         {L"-W2", L"-W-"},
         [](CommandLineOptions& o) {
             o.windowNumber = 2;
             o.listWindows = true;
         },
         false},
        {"unknown letter", {L"-Z5"}, [](CommandLineOptions&) {}, false},
        {"lone prefixes", {L"/", L"-", L"\\"}, [](CommandLineOptions&) {}, false},
        {"a word is mode number 0", {L"abc"}, [](CommandLineOptions& o) { o.modeNumber = 0; }, false},
        {"an empty argument is mode number 0", {L""}, [](CommandLineOptions& o) { o.modeNumber = 0; }, false},
        {"last mode number wins", {L"5", L"7x"}, [](CommandLineOptions& o) { o.modeNumber = 7; }, false},
        {"second frequency wins",
         {L"-F60", L"-F75"},
         [](CommandLineOptions& o) {
             o.frequency = 75;
             o.fields = DM_DISPLAYFREQUENCY;
         },
         false},
        {"every letter in lower case",
         {L"-c256", L"-f60", L"-h1024", L"-m1", L"-p", L"-q", L"-s", L"-tTitle", L"-u", L"-v768", L"-xnotepad"},
         [](CommandLineOptions& o) {
             o.colourCount = 256;
             o.frequency = 60;
             o.width = 1024;
             o.monitorNumber = 1;
             o.makePrimary = true;
             o.quiet = true;
             o.makeSole = true;
             o.windowTitle = L"Title";
             o.height = 768;
             o.programCommandLine = L"notepad";
             o.fields = DM_BITSPERPEL | DM_DISPLAYFREQUENCY | DM_PELSWIDTH | DM_POSITION | DM_PELSHEIGHT;
         },
         true},
        {"title keeps its blanks", {L"-T  a b  "}, [](CommandLineOptions& o) { o.windowTitle = L"  a b  "; }, false},
        {"program command line unchanged",
         {L"-X\"C:\\Program Files\\app.exe\" /H800 -q"},
         [](CommandLineOptions& o) { o.programCommandLine = L"\"C:\\Program Files\\app.exe\" /H800 -q"; },
         false},
        {"an empty X clears the program", {L"-Xnotepad", L"-X"}, [](CommandLineOptions&) {}, false},
        {"colour count is 64-bit",
         {L"-C4294967296"},
         [](CommandLineOptions& o) {
             o.colourCount = 4294967296ull;
             o.fields = DM_BITSPERPEL;
         },
         false},
        {"colour count clamps at the 64-bit limit",
         {L"-C99999999999999999999"},
         [](CommandLineOptions& o) {
             o.colourCount = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
             o.fields = DM_BITSPERPEL;
         },
         false},
        {"a negative colour count keeps its bits",
         {L"-C-4294967296"},
         [](CommandLineOptions& o) {
             o.colourCount = 0xFFFFFFFF00000000ull;
             o.fields = DM_BITSPERPEL;
         },
         false},
        {"width clamps at the 32-bit limit",
         {L"-H99999999999", L"-V-99999999999"},
         [](CommandLineOptions& o) {
             o.width = std::numeric_limits<int32_t>::max();
             o.height = std::numeric_limits<int32_t>::min();
             o.fields = DM_PELSWIDTH | DM_PELSHEIGHT;
         },
         false},
        {"P marks desktop work, its value ignored",
         {L"-Pxyz"},
         [](CommandLineOptions& o) {
             o.makePrimary = true;
             o.fields = DM_POSITION;
         },
         false},
        {"S marks desktop work",
         {L"/S"},
         [](CommandLineOptions& o) {
             o.makeSole = true;
             o.fields = DM_POSITION;
         },
         false},
        {"negative monitor number", {L"-M-1"}, [](CommandLineOptions& o) { o.monitorNumber = -1; }, false},
        {"malformed monitor number", {L"-Mx"}, [](CommandLineOptions& o) { o.monitorNumber = 0; }, false},
        {"U alone", {L"-U"}, [](CommandLineOptions&) {}, true},
        {"a blank-led negative mode number", {L" -3"}, [](CommandLineOptions& o) { o.modeNumber = -3; }, false},
    };
    return cases;
}

}  // namespace

TEST(CommandLineGrammar, EveryArgumentReadsAsTheTableSays) {
    for (const GrammarCase& c : GrammarCases()) {
        std::vector<std::wstring> arguments = c.arguments;
        arguments.insert(arguments.begin(), L"C:\\Tools\\pixmode.exe");
        bool updateRegistry = false;
        CommandLineOptions expected;
        c.expect(expected);
        ExpectSameOptions(ReadArguments(arguments, updateRegistry), expected, c.name);
        EXPECT_EQ(updateRegistry, c.updateRegistry) << c.name;
    }
}

TEST(CommandLineGrammar, TheProgramItselfIsNotRead) {
    bool updateRegistry = false;
    ExpectSameOptions(ReadArguments({L"5"}, updateRegistry), CommandLineOptions(), "program named 5");
    ExpectSameOptions(ReadArguments({}, updateRegistry), CommandLineOptions(), "no vector at all");
    EXPECT_FALSE(updateRegistry);
}

TEST(CommandLineGrammar, UpdateRegistryIsOnlyEverSet) {
    bool updateRegistry = true;
    ReadArguments({L"pixmode", L"-H800", L"-Z"}, updateRegistry);
    EXPECT_TRUE(updateRegistry);
}
