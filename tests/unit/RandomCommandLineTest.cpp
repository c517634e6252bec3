// Random command lines through the argument loop, the whole window-less run against the scripted
// display, and the shortcut composer. Reproduce a failure with PIXMODE_PROPERTY_SEED (and
// PIXMODE_PROPERTY_COUNT for the number of vectors); both are printed with the result.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "app/CommandLineParser.h"
#include "app/CommandLineSwitch.h"
#include "app/StartupRun.h"
#include "display/DisplayRecords.h"
#include "fakes/ArgumentSplitter.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeMessageBox.h"
#include "fakes/FakeShell.h"
#include "framework/Strings.h"
#include "res/resource.h"
#include "shortcut/ShortcutSettings.h"

namespace {

constexpr unsigned long long kDefaultSeed = 20261209;
constexpr unsigned long kDefaultCount = 100000;

unsigned long long EnvNumber(const char* name, unsigned long long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return fallback;
    return std::strtoull(text, nullptr, 10);
}

// The argument generator: every shape the argument loop has to survive.
class ArgumentSource {
public:
    explicit ArgumentSource(unsigned long long seed) : random_(seed) {}

    std::vector<std::wstring> Vector() {
        std::vector<std::wstring> argv = {L"pixmode.exe"};
        const int count = Below(8);
        for (int i = 0; i < count; ++i) argv.push_back(Argument());
        return argv;
    }

    int Below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    bool OneIn(int n) { return Below(n) == 0; }

private:
    std::wstring Argument() {
        switch (Below(10)) {
        case 0: return Value();                    // a mode number, a word or empty
        case 1: return std::wstring(1, Prefix());  // a lone prefix
        default: return std::wstring(1, Prefix()) + Letter() + Value();
        }
    }

    wchar_t Prefix() {
        static const wchar_t prefixes[] = L"/-\\/-\\+x\"";
        return prefixes[Below(static_cast<int>(std::size(prefixes)) - 1)];
    }

    wchar_t Letter() {
        // Option letters in both cases, unknown ones, digits, blanks, quotes and letters that
        // the platform upper-cases (U+017F long s becomes S, U+00E9 does not become an option).
        static const wchar_t letters[] =
            L"CFHMOPQRSTUVWXcfhmopqrstuvwxCFHMOVXcfhmovxABZaz019 \t\"\\/-\u00e9\u017f\u0131\u65e5";
        return letters[Below(static_cast<int>(std::size(letters)) - 1)];
    }

    std::wstring Digits(int count) {
        std::wstring text;
        // Mostly ASCII digits, some full-width and Arabic-Indic ones, which the runtime reads too.
        static const wchar_t zeros[] = {L'0', L'0', L'0', L'0', L'\xFF10', L'\x0660'};
        for (int i = 0; i < count; ++i) {
            text += static_cast<wchar_t>(zeros[Below(static_cast<int>(std::size(zeros)))] + Below(10));
        }
        return text;
    }

    std::wstring Text(int length) {
        static const wchar_t pieces[] = L"aZ \t\"\\/-+_.:%1%d%s{}\u00e4\u00df\u0416\u65e5\u672c\u2603";
        std::wstring text;
        for (int i = 0; i < length; ++i) text += pieces[Below(static_cast<int>(std::size(pieces)) - 1)];
        return text;
    }

public:
    // A mode number, a number of any size and shape, junk or empty.
    std::wstring Value() {
        static const wchar_t* const blanks[] = {L"", L"", L" ", L"\t", L"  \n", L"\v\f\r", L"\x3000", L"\x00A0"};
        static const wchar_t* const signs[] = {L"", L"", L"+", L"-", L"+-", L"--"};
        static const wchar_t* const fixed[] = {L"",
                                               L"1",
                                               L"-",
                                               L"-3",
                                               L"90",
                                               L"180",
                                               L"270",
                                               L"360",
                                               L"-90",
                                               L"0",
                                               L"256",
                                               L"65536",
                                               L"16777216",
                                               L"4294967296",
                                               L"768",
                                               L"2147483647",
                                               L"2147483648",
                                               L"-2147483648",
                                               L"-2147483649",
                                               L"9223372036854775807",
                                               L"9223372036854775808",
                                               L"-9223372036854775808",
                                               L"18446744073709551616"};
        switch (Below(8)) {
        case 0: return fixed[Below(static_cast<int>(std::size(fixed)))];
        case 1:
            return std::wstring(blanks[Below(static_cast<int>(std::size(blanks)))]) + signs[Below(6)] +
                   Digits(1 + Below(5));
        case 2: return std::wstring(signs[Below(6)]) + Digits(1 + Below(40));  // huge numbers
        case 3: return Digits(1 + Below(4)) + Text(1 + Below(6));              // digits, then junk
        case 4: return Text(Below(12));                                        // words, quotes, non-ASCII
        case 5: return OneIn(4) ? Text(261 + Below(1200)) : Text(Below(40));   // long strings
        case 6: return L"\"" + Text(Below(10)) + L"\"";                        // embedded quotes
        default: return std::wstring();
        }
    }

private:
    std::mt19937_64 random_;
};

bool IsOptionPrefix(wchar_t c) { return c == L'/' || c == L'-' || c == L'\\'; }

// Whether some argument is the option of this letter, compared as the platform upper-cases it.
bool Given(const std::vector<std::wstring>& argv, wchar_t letter) {
    for (size_t i = 1; i < argv.size(); ++i) {
        if (argv[i].size() < 2 || !IsOptionPrefix(argv[i][0])) continue;
        wchar_t upper = argv[i][1];
        CharUpperBuffW(&upper, 1);
        if (upper == letter) return true;
    }
    return false;
}

bool HasBareArgument(const std::vector<std::wstring>& argv) {
    for (size_t i = 1; i < argv.size(); ++i) {
        if (argv[i].empty() || !IsOptionPrefix(argv[i][0])) return true;
    }
    return false;
}

// A value, a field bit or a flag appears only when its letter is given, and a flag or a bit
// whenever it is given.
void ExpectOnlyGivenOptionsRead(const std::vector<std::wstring>& argv, const CommandLineOptions& o, bool updateRegistry,
                                const std::string& where) {
    const struct {
        wchar_t letter;
        DWORD bit;
    } bits[] = {{L'C', DM_BITSPERPEL},
                {L'F', DM_DISPLAYFREQUENCY},
                {L'H', DM_PELSWIDTH},
                {L'V', DM_PELSHEIGHT},
                {L'O', DM_DISPLAYORIENTATION}};
    DWORD known = DM_POSITION;
    for (const auto& b : bits) {
        EXPECT_EQ((o.fields & b.bit) != 0, Given(argv, b.letter)) << b.bit << " " << where;
        known |= b.bit;
    }
    EXPECT_EQ(o.fields & ~known, 0u) << where;
    EXPECT_EQ((o.fields & DM_POSITION) != 0, Given(argv, L'P') || Given(argv, L'S')) << where;
    EXPECT_EQ(o.makePrimary, Given(argv, L'P')) << where;
    EXPECT_EQ(o.makeSole, Given(argv, L'S')) << where;
    EXPECT_EQ(o.quiet, Given(argv, L'Q')) << where;
    EXPECT_EQ(o.onlyWhenMaximized, Given(argv, L'R')) << where;
    EXPECT_EQ(updateRegistry, Given(argv, L'U')) << where;
    EXPECT_EQ(o.monitorNumber.has_value(), Given(argv, L'M')) << where;
    EXPECT_EQ(o.modeNumber.has_value(), HasBareArgument(argv)) << where;
    EXPECT_TRUE(!o.remaximize || o.onlyWhenMaximized) << where;
    EXPECT_TRUE(!(o.listWindows || o.windowNumber) || Given(argv, L'W')) << where;
    EXPECT_TRUE(o.programCommandLine.empty() || Given(argv, L'X')) << where;
    EXPECT_TRUE(o.windowTitle.empty() || Given(argv, L'T')) << where;
    EXPECT_TRUE(o.colourCount == 0 || Given(argv, L'C')) << where;
    EXPECT_TRUE(o.frequency == 0 || Given(argv, L'F')) << where;
    EXPECT_TRUE(o.width == 0 || Given(argv, L'H')) << where;
    EXPECT_TRUE(o.height == 0 || Given(argv, L'V')) << where;
    EXPECT_TRUE(o.orientation == 0 || Given(argv, L'O')) << where;
}

// A known option appended at the end, and what it must change in what the arguments before it read.
struct Appended {
    std::wstring argument;
    std::function<void(CommandLineOptions&)> change;
};

// Numbers read as the C runtime of the same build reads them.
Appended AppendedOption(ArgumentSource& source) {
    const std::wstring value = source.Value();
    const int32_t number = wcstol(value.c_str(), nullptr, 10);
    switch (source.Below(12)) {
    case 0:
        return {L"-H" + value, [=](CommandLineOptions& o) {
                    o.width = number;
                    o.fields |= DM_PELSWIDTH;
                }};
    case 1:
        return {L"/v" + value, [=](CommandLineOptions& o) {
                    o.height = number;
                    o.fields |= DM_PELSHEIGHT;
                }};
    case 2:
        return {L"\\F" + value, [=](CommandLineOptions& o) {
                    o.frequency = number;
                    o.fields |= DM_DISPLAYFREQUENCY;
                }};
    case 3: return {L"-m" + value, [=](CommandLineOptions& o) { o.monitorNumber = number; }};
    case 4: {
        const uint64_t count = static_cast<uint64_t>(_wcstoi64(value.c_str(), nullptr, 10));
        return {L"-C" + value, [=](CommandLineOptions& o) {
                    o.colourCount = count;
                    o.fields |= DM_BITSPERPEL;
                }};
    }
    case 5: {
        // A leading blank keeps a mode number that starts with a sign from reading as an option.
        const std::wstring bare = L" " + value;
        const int32_t mode = wcstol(bare.c_str(), nullptr, 10);
        return {bare, [=](CommandLineOptions& o) { o.modeNumber = mode; }};
    }
    case 6:
        return {L"-O270", [](CommandLineOptions& o) {
                    o.orientation = DMDO_270;
                    o.fields |= DM_DISPLAYORIENTATION;
                }};
    case 7: return {L"-TLast title", [](CommandLineOptions& o) { o.windowTitle = L"Last title"; }};
    case 8: return {L"/Xlast.exe -a", [](CommandLineOptions& o) { o.programCommandLine = L"last.exe -a"; }};
    case 9: return {L"-R1", [](CommandLineOptions& o) { o.onlyWhenMaximized = o.remaximize = true; }};
    case 10: return {L"-W-", [](CommandLineOptions& o) { o.listWindows = true; }};
    default: return {L"-q", [](CommandLineOptions& o) { o.quiet = true; }};
    }
}

std::wstring Shown(const std::vector<std::wstring>& argv) {
    std::wstring text;
    for (size_t i = 1; i < argv.size(); ++i) text += L"[" + argv[i].substr(0, 80) + L"]";
    return text;
}

#define EXPECT_SAME(field) EXPECT_EQ(got.field, want.field) << where
void ExpectSameOptions(const CommandLineOptions& got, const CommandLineOptions& want, const std::string& where) {
    EXPECT_SAME(programCommandLine);
    EXPECT_SAME(windowTitle);
    EXPECT_SAME(colourCount);
    EXPECT_SAME(windowNumber);
    EXPECT_SAME(height);
    EXPECT_SAME(width);
    EXPECT_SAME(frequency);
    EXPECT_SAME(orientation);
    EXPECT_SAME(fields);
    EXPECT_SAME(monitorNumber);
    EXPECT_SAME(modeNumber);
    EXPECT_SAME(quiet);
    EXPECT_SAME(makePrimary);
    EXPECT_SAME(makeSole);
    EXPECT_SAME(onlyWhenMaximized);
    EXPECT_SAME(remaximize);
    EXPECT_SAME(listWindows);
}
#undef EXPECT_SAME

std::wstring RequestFailedText(const DEVMODEW& mode) {
    return FormatResString(IDS_CHANGE_REQUEST_FAILED,
                           {FormatResString(IDS_REQUESTED_MODE,
                                            {UnsignedText(mode.dmPelsWidth), UnsignedText(mode.dmPelsHeight),
                                             UnsignedText(mode.dmBitsPerPel), UnsignedText(mode.dmDisplayFrequency)})});
}

// A display scripted at random: the second adapter may be a mirroring driver, the default
// device's modes may be unreadable, and the change call may fail with any of the service's codes.
struct ScriptedRun {
    FakeDisplay display;
    FakeMessageBox messages;
    FakeShell shell;
    FakeDesktop desktop{&display};
    bool updateRegistry = false;
    int dialogs = 0;

    explicit ScriptedRun(ArgumentSource& source) {
        FakeAdapter& first =
            display.AddAdapter(DISPLAY_DEVICE_ATTACHED_TO_DESKTOP | DISPLAY_DEVICE_PRIMARY_DEVICE,
                               MakeMode(1024, 768, 32, source.OneIn(4) ? 1 : 60),
                               {MakeMode(640, 480, 8, 60), MakeMode(800, 600, 16, 60), MakeMode(1024, 768, 32, 75)});
        if (source.OneIn(8)) first.current.reset();
        if (source.OneIn(8)) first.registry.reset();
        display.AddAdapter(source.OneIn(4) ? DISPLAY_DEVICE_MIRRORING_DRIVER : DISPLAY_DEVICE_ATTACHED_TO_DESKTOP,
                           MakeMode(800, 600, 16, 75, 1024, 0));
        static const LONG results[] = {DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_SUCCESSFUL, DISP_CHANGE_RESTART,
                                       DISP_CHANGE_FAILED,     DISP_CHANGE_BADMODE,    DISP_CHANGE_NOTUPDATED,
                                       DISP_CHANGE_BADFLAGS,   DISP_CHANGE_BADPARAM,   DISP_CHANGE_BADDUALVIEW};
        display.changeResults.push_back(results[source.Below(static_cast<int>(std::size(results)))]);
    }

    StartupRun Run(const std::vector<std::wstring>& argv) {
        CommandLineSwitch commandLine(display, messages, shell, desktop.Operations());
        return RunStartup(argv, updateRegistry, commandLine, [this] { ++dialogs; });
    }
};

// Checks one run against what the options ask for.
void ExpectSoundRun(const ScriptedRun& s, const StartupRun& run, const std::string& where) {
    const CommandLineOptions& o = run.options;
    EXPECT_LE(o.orientation, 3u) << where;
    EXPECT_EQ(s.dialogs, !o.modeNumber && o.fields == 0 ? 1 : 0) << where;
    EXPECT_EQ(run.state.changeFlags, s.updateRegistry ? static_cast<DWORD>(CDS_UPDATEREGISTRY) : 0u) << where;
    EXPECT_TRUE(s.shell.requests.empty()) << where;

    const std::vector<DisplayCall> changes = s.display.Changes();
    EXPECT_LE(changes.size(), 1u) << where;
    for (const DisplayCall& change : changes) {
        ASSERT_TRUE(change.mode.has_value()) << where;
        EXPECT_EQ(change.mode->dmSize, sizeof(DEVMODEW)) << where;
        EXPECT_EQ(change.mode->dmSize, 220u) << where;
        EXPECT_EQ(change.mode->dmDriverExtra, 0u) << where;
        EXPECT_LE(change.mode->dmDisplayOrientation, 3u) << where;
        EXPECT_EQ(change.flags, run.state.changeFlags) << where;
    }
    // The watched-window steps are not part of this run: a deferred switch makes no call at all.
    const bool deferred = (o.onlyWhenMaximized && !o.programCommandLine.empty()) || !o.windowTitle.empty();
    if (!o.modeNumber && deferred) {
        EXPECT_TRUE(changes.empty()) << where;
    }

    // Every box is an OK box of the framework with one of the run's own texts.
    const std::wstring badMode = o.modeNumber ? FormatResString(IDS_BAD_MODE_NUMBER, {SignedText(*o.modeNumber)}) : L"";
    const std::wstring needMonitor = LoadResString(IDS_NEED_MONITOR_NUMBER);
    for (const ShownBox& box : s.messages.shown) {
        EXPECT_EQ(box.type, static_cast<UINT>(MB_OK)) << where;
        EXPECT_FALSE(box.plain) << where;
        bool known = box.text == LoadResString(IDS_BAD_MONITOR_NUMBER) ||
                     box.text == LoadResString(IDS_NO_SAVED_MODE) ||
                     box.text == LoadResString(IDS_NO_CURRENT_SETTINGS) || box.text == needMonitor ||
                     (o.modeNumber && box.text == badMode);
        if (!changes.empty() && changes.back().result != DISP_CHANGE_SUCCESSFUL) {
            const bool refusal = box.text == RequestFailedText(*changes.back().mode) ||
                                 box.text == FormatResString(IDS_CHANGE_FAILED, {SignedText(changes.back().result)});
            EXPECT_FALSE(refusal && o.quiet) << "quiet run reported a refused change " << where;
            known = known || refusal;
        }
        EXPECT_TRUE(known) << testing::PrintToString(box.text) << " " << where;
    }

    // The desktop arrangements get the resolved device, never the default one.
    for (const DesktopRequest& request : s.desktop.requests) {
        EXPECT_FALSE(request.deviceName.empty()) << where;
        EXPECT_EQ(request.deviceName, run.state.deviceName) << where;
        EXPECT_EQ(request.quiet, o.quiet) << where;
        EXPECT_EQ(request.sole ? o.makeSole : o.makePrimary, true) << where;
    }
    if (o.modeNumber) {
        EXPECT_TRUE(s.desktop.requests.empty()) << where;
    }
}

// Shortcut settings for the values the run read, where they have a shortcut form.
ShortcutSettings SettingsFrom(const StartupRun& run, bool updateRegistry) {
    const CommandLineOptions& o = run.options;
    ShortcutSettings s;
    s.programPath = o.programCommandLine;
    if ((o.fields & DM_PELSWIDTH) && o.width > 0) s.width = static_cast<uint32_t>(o.width);
    if ((o.fields & DM_PELSHEIGHT) && o.height > 0) s.height = static_cast<uint32_t>(o.height);
    if ((o.fields & DM_BITSPERPEL) && o.colourCount != 0) s.bitsPerPixel = BitsPerPixelFromColourCount(o.colourCount);
    if ((o.fields & DM_DISPLAYFREQUENCY) && o.frequency > 0) s.frequency = static_cast<uint32_t>(o.frequency);
    if (o.monitorNumber && *o.monitorNumber >= 0) s.deviceNumber = *o.monitorNumber;
    s.rotation = o.orientation;
    s.updateRegistry = updateRegistry;
    s.onlyWhenMaximized = o.onlyWhenMaximized;
    return s;
}

void ExpectShortcutReadsBack(const ShortcutSettings& s, const std::string& where) {
    const std::wstring text = BuildShortcutArguments(s);
    std::vector<std::wstring> argv = {L"C:\\Tools\\pixmode.exe"};
    for (std::wstring& argument : SplitLikeCRuntime(text)) argv.push_back(std::move(argument));
    bool updateRegistry = false;
    const CommandLineOptions o = ReadArguments(argv, updateRegistry);
    EXPECT_EQ(o.width, static_cast<int32_t>(s.width)) << where;
    EXPECT_EQ((o.fields & DM_PELSWIDTH) != 0, s.width != 0) << where;
    EXPECT_EQ(o.height, static_cast<int32_t>(s.height)) << where;
    EXPECT_EQ((o.fields & DM_PELSHEIGHT) != 0, s.height != 0) << where;
    // A depth of 63 bits and more has no count the reading side reads back: it is left out.
    const uint32_t bits = s.bitsPerPixel < 63 ? s.bitsPerPixel : 0;
    EXPECT_EQ(BitsPerPixelFromColourCount(o.colourCount), bits) << where;
    EXPECT_EQ((o.fields & DM_BITSPERPEL) != 0, bits != 0) << where;
    EXPECT_EQ(o.frequency, static_cast<int32_t>(s.frequency)) << where;
    EXPECT_EQ((o.fields & DM_DISPLAYFREQUENCY) != 0, s.frequency != 0) << where;
    EXPECT_EQ(o.monitorNumber.value_or(-1), s.deviceNumber) << where;
    EXPECT_EQ(o.monitorNumber.has_value(), s.deviceNumber != -1) << where;
    EXPECT_EQ(o.orientation, s.rotation) << where;
    EXPECT_EQ((o.fields & DM_DISPLAYORIENTATION) != 0, s.rotation != 0) << where;
    EXPECT_EQ(updateRegistry, s.updateRegistry) << where;
    EXPECT_EQ(o.onlyWhenMaximized, s.onlyWhenMaximized) << where;
    EXPECT_EQ(o.programCommandLine, ProgramCommandLineOf(s.programPath)) << where;
    EXPECT_FALSE(o.modeNumber.has_value() || o.remaximize || o.quiet || o.makePrimary || o.makeSole) << where;
}

}  // namespace

TEST(RandomCommandLines, ShortcutLeavesOutACountTheProgramWouldReadClamped) {
    // -C-9223372036854775808 reads as the count 2^63, depth 63; written back as that count it
    // would read clamped to 2^63 - 1, depth 0.
    bool updateRegistry = false;
    const CommandLineOptions o = ReadArguments({L"pixmode.exe", L"-C-9223372036854775808"}, updateRegistry);
    ASSERT_EQ(BitsPerPixelFromColourCount(o.colourCount), 63u);
    ShortcutSettings s;
    s.bitsPerPixel = 63;
    EXPECT_EQ(BuildShortcutArguments(s), L"");
    s.bitsPerPixel = 62;
    EXPECT_EQ(BuildShortcutArguments(s), L" -C4611686018427387904");
}

TEST(RandomCommandLines, ParseRunAndComposeBackStaySound) {
    const unsigned long long seed = EnvNumber("PIXMODE_PROPERTY_SEED", kDefaultSeed);
    const unsigned long long count = EnvNumber("PIXMODE_PROPERTY_COUNT", kDefaultCount);
    std::cout << "random command lines: seed " << seed << ", " << count << " argument vectors" << std::endl;
    RecordProperty("seed", std::to_string(seed));
    RecordProperty("count", std::to_string(count));

    ArgumentSource source(seed);
    unsigned long long done = 0;
    for (; done < count && !::testing::Test::HasFailure(); ++done) {
        const std::vector<std::wstring> argv = source.Vector();
        const std::string where = "vector " + std::to_string(done) + " " + testing::PrintToString(Shown(argv));

        bool updateRegistry = false;
        const CommandLineOptions parsed = ReadArguments(argv, updateRegistry);
        ExpectOnlyGivenOptionsRead(argv, parsed, updateRegistry, where);

        // The last of repeated options wins, and no option undoes what the others read.
        const Appended appended = AppendedOption(source);
        std::vector<std::wstring> longer = argv;
        longer.push_back(appended.argument);
        CommandLineOptions want = parsed;
        appended.change(want);
        bool longerUpdateRegistry = false;
        ExpectSameOptions(ReadArguments(longer, longerUpdateRegistry), want,
                          where + " then " + testing::PrintToString(appended.argument.substr(0, 80)));
        EXPECT_EQ(longerUpdateRegistry, updateRegistry) << where;

        ScriptedRun scripted(source);
        const StartupRun run = scripted.Run(argv);
        ExpectSameOptions(run.options, parsed, where);
        EXPECT_EQ(scripted.updateRegistry, updateRegistry) << where;
        ExpectSoundRun(scripted, run, where);

        ExpectShortcutReadsBack(SettingsFrom(run, scripted.updateRegistry), where);
    }
    std::cout << "random command lines: " << done << " vectors checked" << std::endl;
    EXPECT_EQ(done, count);
}
