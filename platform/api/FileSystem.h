#pragma once
// Files and folders, addressed by Windows paths ("C:\Program Files\Tonvel\Tonvel.exe"). Folder paths may
// carry a trailing backslash. Status codes are Win32 error numbers (0 for success).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tonvel {

// Attribute bits as GetFileAttributesW reports them.
inline constexpr uint32_t FileAttrReadOnly = 0x01;
inline constexpr uint32_t FileAttrDirectory = 0x10;
inline constexpr uint32_t FileAttrArchive = 0x20;
inline constexpr uint32_t FileAttrNormal = 0x80;
inline constexpr uint32_t FileAttrInvalid = 0xFFFFFFFF; // the path does not exist

// Win32 error numbers the file functions return.
inline constexpr int32_t FileOk = 0;
inline constexpr int32_t FileNotFound = 2;
inline constexpr int32_t FilePathNotFound = 3;
inline constexpr int32_t FileAccessDenied = 5;
inline constexpr int32_t FileNotEnoughMemory = 8;    // ERROR_NOT_ENOUGH_MEMORY
inline constexpr int32_t FileOutOfMemory = 14;       // ERROR_OUTOFMEMORY
inline constexpr int32_t FileExists = 80;            // ERROR_FILE_EXISTS (copy with fail-if-exists)
inline constexpr int32_t FileAlreadyExists = 183;    // ERROR_ALREADY_EXISTS (folder creation)
inline constexpr int32_t FileDirNotEmpty = 145;      // ERROR_DIR_NOT_EMPTY
inline constexpr int32_t FileDirectoryInvalid = 267; // ERROR_DIRECTORY (a file where a folder is wanted)
inline constexpr int32_t FileWriteFault = 29;        // ERROR_WRITE_FAULT
inline constexpr int32_t FileReadFault = 30;         // ERROR_READ_FAULT

// MoveFileExW flags.
inline constexpr uint32_t MoveReplaceExisting = 0x1;  // MOVEFILE_REPLACE_EXISTING
inline constexpr uint32_t MoveDelayUntilReboot = 0x4; // MOVEFILE_DELAY_UNTIL_REBOOT
inline constexpr uint32_t MoveWriteThrough = 0x8;     // MOVEFILE_WRITE_THROUGH

class IFileSystem {
public:
    virtual ~IFileSystem() = default;

    // GetFileAttributesW: the attribute bits, FileAttrInvalid when nothing is at the path.
    virtual uint32_t Attributes(const std::u16string& path) = 0;
    // CreateDirectoryW: one folder whose parent exists; FileAlreadyExists when it is there already.
    virtual int32_t CreateFolder(const std::u16string& path) = 0;
    // RemoveDirectoryW: an empty folder.
    virtual int32_t RemoveFolder(const std::u16string& path) = 0;
    // The whole file as bytes (CreateFileW + ReadFile).
    virtual int32_t ReadAll(const std::u16string& path, std::vector<uint8_t>& bytes) = 0;
    // Creates or overwrites the file with these bytes (CREATE_ALWAYS + WriteFile).
    virtual int32_t WriteAll(const std::u16string& path, const void* data, size_t size) = 0;
    // CopyFileW.
    virtual int32_t Copy(const std::u16string& from, const std::u16string& to, bool failIfExists) = 0;
    // DeleteFileW.
    virtual int32_t Delete(const std::u16string& path) = 0;
    // MoveFileExW: renames a file or folder in one step; with MoveReplaceExisting an existing target file
    // is replaced, otherwise it is FileAlreadyExists. With MoveDelayUntilReboot nothing moves now: the move
    // (an empty `to`: the deletion) is registered for the next start of Windows.
    virtual int32_t Move(const std::u16string& from, const std::u16string& to, uint32_t flags) = 0;
    // The names (not paths) of the sub-folders of a folder as FindFirstFileW / FindNextFileW give them: in
    // the volume's order (name order on NTFS, the order they were made on FAT), with "." and ".." except at
    // a drive's root. Callers that show or pick names sort them and drop the dot entries themselves.
    virtual int32_t ListFolders(const std::u16string& folder, std::vector<std::u16string>& names) = 0;
    // The names of the files of a folder, in the volume's order (see ListFolders).
    virtual int32_t ListFiles(const std::u16string& folder, std::vector<std::u16string>& names) = 0;
    // GetModuleFileNameW(nullptr): the full path of the running program.
    virtual std::u16string ModuleFileName() = 0;

    bool Exists(const std::u16string& path) { return Attributes(path) != FileAttrInvalid; }
    bool IsFolder(const std::u16string& path) {
        const uint32_t attributes = Attributes(path);
        return attributes != FileAttrInvalid && (attributes & FileAttrDirectory) != 0;
    }
};

} // namespace tonvel
