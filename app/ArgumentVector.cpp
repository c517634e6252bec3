#include "app/ArgumentVector.h"

#include <cstdlib>

std::vector<std::wstring> ProcessArguments() {
    std::vector<std::wstring> arguments;
    if (__wargv == nullptr) return arguments;
    for (int index = 0; index < __argc; ++index) {
        arguments.emplace_back(__wargv[index] != nullptr ? __wargv[index] : L"");
    }
    return arguments;
}
