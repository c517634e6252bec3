// The argument loop: reads each argument of the command line into CommandLineOptions.
#pragma once
#include <string>
#include <vector>

#include "app/CommandLineOptions.h"

// Reads one argument. Option U is not an option record field: it sets updateRegistry, which
// like every flag is only ever set, never cleared.
void ReadArgument(const std::wstring& argument, CommandLineOptions& options, bool& updateRegistry);

// Reads every argument after the first (the program itself) in order.
CommandLineOptions ReadArguments(const std::vector<std::wstring>& arguments, bool& updateRegistry);
