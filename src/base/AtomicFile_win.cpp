#include "base/AtomicFile.h"

#include "base/WideText.h"

#include <windows.h>

#include <random>

namespace
{

std::error_code lastError()
{
    return {static_cast<int>(GetLastError()), std::system_category()};
}

std::wstring folderOf(const std::wstring& path)
{
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos)
        return L".";
    return path.substr(0, slash == 0 || (slash == 2 && path[1] == L':') ? slash + 1 : slash);
}

HANDLE createTemporary(const std::wstring& target, std::wstring& tempPath)
{
    std::random_device seed;
    std::mt19937 generator(seed());
    const std::wstring base = target.substr(target.find_last_of(L"\\/") + 1);
    std::wstring folder = folderOf(target);
    if (folder.back() != L'\\' && folder.back() != L'/')
        folder += L'\\';
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = folder + L"~" + base + L".tmp" + std::to_wstring(generator() % 1000000);
        const HANDLE file = CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

std::error_code writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr))
            return lastError();
        bytes.remove_prefix(written);
    }
    return {};
}

// The rename is atomic and written through, so the new name is on disk when this returns. ReplaceFileW is
// not used: where it fails half-way it can leave its own backup file behind.
std::error_code moveIntoPlace(const std::wstring& tempPath, const std::wstring& target)
{
    if (MoveFileExW(tempPath.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return lastError();
}

} // namespace

std::error_code ReplaceFileAtomically(const std::string& path, std::string_view bytes)
{
    if (path.empty())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    const std::wstring target = widetext::fromUtf8(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::make_error_code(std::errc::is_a_directory);
    // A read-only file is the user's word that it must not change.
    if (exists && (attributes & FILE_ATTRIBUTE_READONLY))
        return {ERROR_ACCESS_DENIED, std::system_category()};

    std::wstring tempPath;
    const HANDLE file = createTemporary(target, tempPath);
    if (file == INVALID_HANDLE_VALUE)
        return lastError();

    std::error_code error = writeAll(file, bytes);
    if (!error && !FlushFileBuffers(file))
        error = lastError();
    if (!CloseHandle(file) && !error)
        error = lastError();
    // The replacement keeps the old file's attributes (hidden, archive, ...).
    if (!error && exists && !SetFileAttributesW(tempPath.c_str(), attributes))
        error = lastError();
    if (!error)
        error = moveIntoPlace(tempPath, target);
    if (error)
        DeleteFileW(tempPath.c_str());
    return error;
}
