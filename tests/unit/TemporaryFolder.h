// A folder chain under the temporary folder, removed again with the files copied into it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

class TemporaryFolder {
public:
    // Nests folders named step until the path (without the "\\?\" prefix) has minimumLength characters.
    TemporaryFolder(const std::wstring& name, size_t minimumLength, const std::wstring& step) {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = temp + name + L" " + std::to_wstring(GetCurrentProcessId());
        Create(path_);
        while (path_.size() < minimumLength) {
            path_ += L"\\" + step;
            Create(path_);
        }
    }
    ~TemporaryFolder() {
        for (const std::wstring& file : files_) DeleteFileW(Long(file).c_str());
        for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) {
            RemoveDirectoryW(Long(*folder).c_str());
        }
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::wstring& Path() const { return path_; }

    // Copies source into the folder; returns the copy's path, empty when it could not be made.
    std::wstring Copy(const std::wstring& source, const std::wstring& name) {
        const std::wstring target = path_ + L"\\" + name;
        if (!CopyFileW(source.c_str(), Long(target).c_str(), FALSE)) return std::wstring();
        files_.push_back(target);
        return target;
    }
    // Remembers a file that something else writes into the folder.
    std::wstring Adopt(const std::wstring& name) {
        files_.push_back(path_ + L"\\" + name);
        return files_.back();
    }

    // The "\\?\" form that lifts the usual length limit.
    static std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

private:
    void Create(const std::wstring& folder) {
        CreateDirectoryW(Long(folder).c_str(), nullptr);
        folders_.push_back(folder);
    }

    std::wstring path_;
    std::vector<std::wstring> folders_;
    std::vector<std::wstring> files_;
};
