#pragma once
// The simulated file system: Windows paths mapped into a host folder. Drive "C:" is the sub-folder "c" of
// the root, and so on; names are matched regardless of letter case against what is on disk, new names are
// created as given. Relative paths are taken from the current folder ("C:\" at first). Folders list as a
// FAT volume lists them: "." and ".." (except at a drive's root), then the entries in the order they were
// made; entries put into the host folder from outside follow in the host's order.
// Attached to the system info of a WOW64 process (SetRedirection), paths go through WOW64 file-system
// redirection as on 64-bit Windows: "C:\Windows\System32\..." is "C:\Windows\SysWOW64\..." while
// redirection is on (except the exempt sub-folders catroot, catroot2, driverstore, drivers\etc, logfiles and
// spool), and "C:\Windows\Sysnative\..." is the native "C:\Windows\System32\...".

#include "platform/api/FileSystem.h"
#include "platform/sim/SimPath.h"

#include <filesystem>
#include <map>

namespace tonvel::sim {

class CSimSystemInfo;

class CSimFileSystem : public IFileSystem {
public:
    // `root` must exist; drive C: is created in it.
    explicit CSimFileSystem(std::filesystem::path root);

    uint32_t Attributes(const std::u16string& path) override;
    int32_t CreateFolder(const std::u16string& path) override;
    int32_t RemoveFolder(const std::u16string& path) override;
    int32_t ReadAll(const std::u16string& path, std::vector<uint8_t>& bytes) override;
    int32_t WriteAll(const std::u16string& path, const void* data, size_t size) override;
    int32_t Copy(const std::u16string& from, const std::u16string& to, bool failIfExists) override;
    int32_t Delete(const std::u16string& path) override;
    int32_t Move(const std::u16string& from, const std::u16string& to, uint32_t flags) override;
    int32_t ListFolders(const std::u16string& folder, std::vector<std::u16string>& names) override;
    int32_t ListFiles(const std::u16string& folder, std::vector<std::u16string>& names) override;
    std::u16string ModuleFileName() override { return m_ModuleFileName; }

    // Set-up for tests and the programs' sim entries.
    void SetModuleFileName(const std::u16string& path) { m_ModuleFileName = path; }
    void SetCurrentFolder(const std::u16string& path) { m_CurrentFolder = path; }
    // Creates the folder and every missing parent (like SHCreateDirectoryEx); true when it exists after.
    bool CreateFolders(const std::u16string& path);
    // Writes a file, creating its folders; for setting up test files.
    bool PutFile(const std::u16string& path, std::string_view bytes);
    // The host path a Windows path maps to (existing names found regardless of case).
    bool HostPath(const std::u16string& path, std::filesystem::path& host) const;
    const std::filesystem::path& Root() const { return m_Root; }
    // WOW64 redirection follows `system` (its WOW64 state and the redirection switch); null: no redirection,
    // as for a 64-bit process or on 32-bit Windows (the default).
    void SetRedirection(const CSimSystemInfo* system) { m_System = system; }
    // Fault injection: every later WriteAll of this path (any letter case) fails with `error` and leaves the
    // file as it was, once `afterWrites` writes of it have gone through (a disk that fills up midway);
    // ClearWriteFailures lets them through again.
    void FailWrite(const std::u16string& path, int32_t error = FileWriteFault, uint32_t afterWrites = 0);
    void ClearWriteFailures() {
        m_FailedWrites.clear();
        m_FailedFolders.clear();
    }
    // The moves and deletions registered for the next start of Windows, in order (`to` empty: delete).
    struct PENDING_MOVE {
        std::u16string from;
        std::u16string to;
    };
    const std::vector<PENDING_MOVE>& PendingMoves() const { return m_PendingMoves; }
    // A file in use as a running program or a loaded driver is: deleting it fails with `error` (renaming it
    // and deleting it at the next restart still work). FileOk lets it go again.
    void SetInUse(const std::u16string& path, int32_t error = FileAccessDenied);
    // Fault injection: every later CreateFolder of this path (any letter case) fails with `error`.
    void FailCreateFolder(const std::u16string& path, int32_t error = FileAccessDenied);

private:
    // Resolves a path; `parentExists` tells whether everything but the last name exists as folders.
    bool Resolve(const std::u16string& path, std::filesystem::path& host, bool& parentExists) const;
    int32_t List(const std::u16string& folder, bool folders, std::vector<std::u16string>& names);
    // Notes a new entry's place in its folder's listing, or forgets a removed one.
    void Made(const std::filesystem::path& host);
    void Removed(const std::filesystem::path& host) { m_Made.erase(host); }
    // WOW64 redirection of a parsed path.
    void Redirect(SIM_PATH& parsed) const;

    std::filesystem::path m_Root;
    const CSimSystemInfo* m_System = nullptr;
    std::u16string m_ModuleFileName = u"C:\\Program Files\\Tonvel\\Tonvel.exe";
    std::u16string m_CurrentFolder = u"C:\\";
    struct FAILED_WRITE {
        int32_t Error = FileWriteFault;
        uint32_t WritesLeft = 0; // writes that still go through
    };
    std::map<std::u16string, FAILED_WRITE> m_FailedWrites; // upper-cased path
    std::map<std::u16string, int32_t> m_FailedFolders;     // upper-cased path -> error
    std::map<std::u16string, int32_t> m_InUse;             // upper-cased path -> error of a deletion
    std::map<std::filesystem::path, uint64_t> m_Made;      // host path -> when the simulation made it
    uint64_t m_MadeCount = 0;
    std::vector<PENDING_MOVE> m_PendingMoves;
};

} // namespace tonvel::sim
