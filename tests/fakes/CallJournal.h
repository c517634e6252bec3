// One ordered record of the calls several fakes receive, for tests that check the order across them.
#pragma once
#include <string>
#include <vector>

struct CallJournal {
    std::vector<std::string> entries;
    void Add(const std::string& entry) { entries.push_back(entry); }
};
