// Records the file dialogs asked for and answers with scripted choices.
#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "framework/FileDialog.h"

class FakeFileDialogs : public IFileDialogs {
public:
    struct Shown {
        HWND owner;
        FileDialogRequest request;
    };
    std::vector<Shown> shown;
    // Answers for the successive dialogs; once empty, the user cancels.
    std::deque<std::optional<std::wstring>> answers;

    std::optional<std::wstring> Open(HWND owner, const FileDialogRequest& request) override {
        shown.push_back({owner, request});
        if (answers.empty()) return std::nullopt;
        std::optional<std::wstring> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};
