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
        m_path = temp + name + L" " + std::to_wstring(GetCurrentProcessId());
        Create(m_path);
        while (m_path.size() < minimumLength) {
            m_path += L"\\" + step;
            Create(m_path);
        }
    }
    ~TemporaryFolder() {
        for (const std::wstring& file : m_files) DeleteFileW(Long(file).c_str());
        for (auto folder = m_folders.rbegin(); folder != m_folders.rend(); ++folder) {
            RemoveDirectoryW(Long(*folder).c_str());
        }
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::wstring& Path() const { return m_path; }

    // Copies source into the folder; returns the copy's path, empty when it could not be made.
    std::wstring Copy(const std::wstring& source, const std::wstring& name) {
        const std::wstring target = m_path + L"\\" + name;
        if (!CopyFileW(source.c_str(), Long(target).c_str(), FALSE)) return std::wstring();
        m_files.push_back(target);
        return target;
    }
    // Remembers a file that something else writes into the folder.
    std::wstring Adopt(const std::wstring& name) {
        m_files.push_back(m_path + L"\\" + name);
        return m_files.back();
    }

    // The "\\?\" form that lifts the usual length limit.
    static std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

private:
    void Create(const std::wstring& folder) {
        CreateDirectoryW(Long(folder).c_str(), nullptr);
        m_folders.push_back(folder);
    }

    std::wstring m_path;
    std::vector<std::wstring> m_folders;
    std::vector<std::wstring> m_files;
};
