// The updater's settings for test runs come from its environment.
#pragma once
#include <string>

// The variable's value; empty when it is not set.
std::wstring EnvironmentValue(const wchar_t* name);
