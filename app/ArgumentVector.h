// The process's wide argument vector as the C runtime split the command line.
#pragma once
#include <string>
#include <vector>

// Every argument, the program itself first.
std::vector<std::wstring> ProcessArguments();
