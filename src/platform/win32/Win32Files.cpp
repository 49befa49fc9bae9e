#include "platform/win32/Win32Files.h"

#include "platform/Paths.h"
#include "platform/win32/Handles.h"
#include "platform/win32/LateLibrary.h"
#include "platform/win32/WideText.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>

namespace platform::win32 {
namespace {

// Writes and flushes the bytes into the (new, empty) file.
DWORD WriteAll(const std::wstring& path, const std::string& bytes) {
    FileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return ::GetLastError();
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes.data() + done, chunk, &written, nullptr)) {
            return ::GetLastError();
        }
        done += written;
    }
    if (!::FlushFileBuffers(file.Get())) {
        return ::GetLastError();
    }
    return ERROR_SUCCESS;
}

} // namespace

bool Win32Files::Exists(const std::u16string& path) {
    const DWORD attributes = ::GetFileAttributesW(WideOf(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::uint32_t Win32Files::Read(const std::u16string& path, std::string& bytes,
                               std::size_t maxBytes) {
    FileHandle file(::CreateFileW(WideOf(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return ::GetLastError();
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.Get(), &size)) {
        return ::GetLastError();
    }
    if (static_cast<unsigned long long>(size.QuadPart) > maxBytes) {
        return ERROR_FILE_TOO_LARGE;
    }
    std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 20));
        DWORD read = 0;
        if (!::ReadFile(file.Get(), content.data() + done, chunk, &read, nullptr)) {
            return ::GetLastError();
        }
        if (read == 0) {
            break; // shorter than it was a moment ago
        }
        done += read;
    }
    content.resize(done);
    bytes = std::move(content);
    return ERROR_SUCCESS;
}

std::uint32_t Win32Files::WriteReplacing(const std::u16string& path, const std::string& bytes) {
    const std::wstring target = WideOf(path);
    // The new file lies in the target's folder, so that the move is a rename on one volume,
    // under a short name ("\~tsxNNNN.tmp"), so that it fits wherever the target's name does.
    const std::u16string folder = platform::FolderOf(path);
    const std::wstring prefix = (folder.empty() ? std::wstring(L".") : WideOf(folder)) + L"\\~tsx";
    std::wstring temporary;
    for (DWORD attempt = 0;; ++attempt) {
        const unsigned number = (::GetTickCount() + attempt * 7919u) & 0xFFFF;
        std::wstring digits;
        for (int shift = 12; shift >= 0; shift -= 4) {
            digits += L"0123456789ABCDEF"[(number >> shift) & 0xF];
        }
        temporary = prefix + digits + L".tmp";
        FileHandle made(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (made) {
            break;
        }
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS || attempt == 0xFFFF) {
            return error;
        }
    }
    DWORD error = WriteAll(temporary, bytes);
    if (error == ERROR_SUCCESS &&
        !::MoveFileExW(temporary.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = ::GetLastError();
    }
    if (error != ERROR_SUCCESS) {
        ::DeleteFileW(temporary.c_str());
    }
    return error;
}

std::uint32_t Win32Files::CreateFolder(const std::u16string& path) {
    const auto createDirectory =
        LateFunction<decltype(&::SHCreateDirectoryExW)>(L"shell32.dll", "SHCreateDirectoryExW");
    if (createDirectory == nullptr) {
        return ::GetLastError();
    }
    const int result = createDirectory(nullptr, WideOf(path).c_str(), nullptr);
    if (result == ERROR_SUCCESS || result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS) {
        const DWORD attributes = ::GetFileAttributesW(WideOf(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
            return ERROR_SUCCESS;
        }
        return ERROR_ALREADY_EXISTS;
    }
    return static_cast<std::uint32_t>(result);
}

std::vector<std::u16string> Win32Files::List(const std::u16string& folder,
                                             const std::u16string& pattern) {
    std::vector<std::u16string> names;
    WIN32_FIND_DATAW found{};
    const std::wstring query = WideOf(folder + u"\\" + pattern);
    const HANDLE search = ::FindFirstFileW(query.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.push_back(Utf16Of(found.cFileName));
        }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
    return names;
}

bool Win32Files::Delete(const std::u16string& path) {
    return ::DeleteFileW(WideOf(path).c_str()) != 0;
}

std::u16string Win32Files::AppDataFolder() {
    wchar_t folder[MAX_PATH];
    const auto folderPath =
        LateFunction<decltype(&::SHGetFolderPathW)>(L"shell32.dll", "SHGetFolderPathW");
    if (folderPath == nullptr ||
        folderPath(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) {
        return {};
    }
    return Utf16Of(folder);
}

std::string Win32Files::ErrorText(std::uint32_t error) {
    return SystemErrorText(error);
}

std::string SystemErrorText(std::uint32_t error) {
    wchar_t* buffer = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    LocalMemory owner(static_cast<HLOCAL>(buffer));
    std::wstring text;
    if (buffer != nullptr) {
        text.assign(buffer, length);
    }
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    if (text.empty()) {
        return "Fehler " + std::to_string(error);
    }
    return Narrow(text);
}

} // namespace platform::win32
