#include "fakes/ArgumentSplitter.h"

std::vector<std::wstring> SplitLikeCRuntime(const std::wstring& commandLine) {
    std::vector<std::wstring> arguments;
    size_t at = 0;
    const size_t end = commandLine.size();
    auto isBlank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
    for (;;) {
        while (at < end && isBlank(commandLine[at])) ++at;
        if (at == end) return arguments;
        std::wstring argument;
        bool quoted = false;
        while (at < end && (quoted || !isBlank(commandLine[at]))) {
            size_t backslashes = 0;
            while (at < end && commandLine[at] == L'\\') {
                ++backslashes;
                ++at;
            }
            if (at < end && commandLine[at] == L'"') {
                argument.append(backslashes / 2, L'\\');
                if (backslashes % 2 == 1) {
                    argument += L'"';
                } else if (quoted && at + 1 < end && commandLine[at + 1] == L'"') {
                    argument += L'"';
                    ++at;
                } else {
                    quoted = !quoted;
                }
                ++at;
            } else {
                argument.append(backslashes, L'\\');
                if (at < end && (quoted || !isBlank(commandLine[at]))) argument += commandLine[at++];
            }
        }
        arguments.push_back(argument);
    }
}
