#include "platform/sim/SimFileSystem.h"

#include "platform/sim/SimSystemInfo.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <system_error>

namespace tonvel::sim {
namespace fs = std::filesystem;

namespace {

// The entry of `folder` whose name matches `name` regardless of case; `name` itself when there is none.
fs::path FindEntry(const fs::path& folder, const std::u16string& name) {
    std::error_code error;
    if (fs::exists(folder / fs::path(name), error)) {
        // An exact match is the common case; still prefer it over a scan.
        return folder / fs::path(name);
    }
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::u16string entry = it->path().filename().u16string();
        if (SameName(entry, name)) return it->path();
    }
    return folder / fs::path(name);
}

// The whole file in one read of its length.
bool ReadHostFile(const fs::path& host, std::vector<uint8_t>& bytes) {
    std::ifstream in(host, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff length = in.tellg();
    if (length < 0 || !in.seekg(0)) return false;
    bytes.resize(static_cast<size_t>(length));
    in.read(reinterpret_cast<char*>(bytes.data()), length);
    bytes.resize(static_cast<size_t>(in.gcount()));
    return !in.bad();
}

} // namespace

CSimFileSystem::CSimFileSystem(fs::path root) : m_Root(std::move(root)) {
    std::error_code error;
    fs::create_directories(m_Root / "c", error);
}

namespace {

// The sub-folders of System32 that WOW64 never redirects (and everything below them).
bool ExemptFromRedirection(const std::vector<std::u16string>& names) {
    if (names.size() < 3) return false;
    for (const char16_t* exempt : {u"catroot", u"catroot2", u"driverstore", u"logfiles", u"spool"}) {
        if (SameName(names[2], exempt)) return true;
    }
    return names.size() >= 4 && SameName(names[2], u"drivers") && SameName(names[3], u"etc");
}

} // namespace

void CSimFileSystem::Redirect(SIM_PATH& parsed) const {
    if (m_System == nullptr || !m_System->Wow64()) return;
    if (parsed.drive != u'C' || parsed.names.size() < 2 || !SameName(parsed.names[0], u"Windows")) return;
    std::u16string& folder = parsed.names[1];
    if (SameName(folder, u"Sysnative")) {
        folder = u"System32"; // the alias of the native system folder, whatever the switch says
    } else if (SameName(folder, u"System32") && !m_System->RedirectionDisabled() &&
               !ExemptFromRedirection(parsed.names)) {
        folder = u"SysWOW64";
    }
}

bool CSimFileSystem::Resolve(const std::u16string& path, fs::path& host, bool& parentExists) const {
    SIM_PATH parsed;
    if (!ParseWindowsPath(path, m_CurrentFolder, parsed)) return false;
    Redirect(parsed);
    const char16_t drive[2] = {static_cast<char16_t>(parsed.drive + (u'a' - u'A')), u'\0'};
    host = m_Root / fs::path(std::u16string(drive));
    std::error_code error;
    parentExists = fs::is_directory(host, error);
    for (size_t i = 0; i < parsed.names.size(); ++i) {
        if (parentExists) {
            host = FindEntry(host, parsed.names[i]);
        } else {
            host /= fs::path(parsed.names[i]);
        }
        if (i + 1 < parsed.names.size()) parentExists = parentExists && fs::is_directory(host, error);
    }
    return true;
}

bool CSimFileSystem::HostPath(const std::u16string& path, fs::path& host) const {
    bool parentExists = false;
    return Resolve(path, host, parentExists);
}

uint32_t CSimFileSystem::Attributes(const std::u16string& path) {
    fs::path host;
    bool parentExists = false;
    if (!Resolve(path, host, parentExists) || !parentExists) return FileAttrInvalid;
    std::error_code error;
    const auto status = fs::status(host, error);
    if (error || !fs::exists(status)) return FileAttrInvalid;
    return fs::is_directory(status) ? FileAttrDirectory : FileAttrArchive;
}

namespace {

std::u16string UpperPath(const std::u16string& path) {
    std::u16string upper = path;
    for (char16_t& unit : upper)
        if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
    return upper;
}

} // namespace

int32_t CSimFileSystem::CreateFolder(const std::u16string& path) {
    if (!m_FailedFolders.empty()) {
        const auto failed = m_FailedFolders.find(UpperPath(path));
        if (failed != m_FailedFolders.end()) return failed->second;
    }
    fs::path host;
    bool parentExists = false;
    if (!Resolve(path, host, parentExists) || !parentExists) return FilePathNotFound;
    std::error_code error;
    if (fs::exists(host, error)) return FileAlreadyExists;
    if (!fs::create_directory(host, error)) return FileAccessDenied;
    Made(host);
    return FileOk;
}

void CSimFileSystem::Made(const fs::path& host) {
    m_Made[host] = ++m_MadeCount;
}

int32_t CSimFileSystem::RemoveFolder(const std::u16string& path) {
    fs::path host;
    bool parentExists = false;
    if (!Resolve(path, host, parentExists) || !parentExists) return FilePathNotFound;
    std::error_code error;
    if (!fs::exists(host, error)) return FileNotFound;
    if (!fs::is_directory(host, error)) return FileDirectoryInvalid;
    if (!fs::is_empty(host, error)) return FileDirNotEmpty;
    if (!fs::remove(host, error)) return FileAccessDenied;
    Removed(host);
    return FileOk;
}

bool CSimFileSystem::CreateFolders(const std::u16string& path) {
    SIM_PATH parsed;
    if (!ParseWindowsPath(path, m_CurrentFolder, parsed)) return false;
    std::u16string partial = std::u16string(1, parsed.drive) + u":";
    for (const auto& name : parsed.names) {
        partial += u"\\" + name;
        const int32_t status = CreateFolder(partial);
        if (status != FileOk && status != FileAlreadyExists) return false;
    }
    return IsFolder(partial + u"\\");
}

bool CSimFileSystem::PutFile(const std::u16string& path, std::string_view bytes) {
    const size_t slash = path.find_last_of(u"\\/");
    if (slash != std::u16string::npos && !CreateFolders(path.substr(0, slash + 1))) return false;
    return WriteAll(path, bytes.data(), bytes.size()) == FileOk;
}

int32_t CSimFileSystem::ReadAll(const std::u16string& path, std::vector<uint8_t>& bytes) {
    fs::path host;
    bool parentExists = false;
    if (!Resolve(path, host, parentExists) || !parentExists) return FilePathNotFound;
    std::error_code error;
    if (fs::is_directory(host, error)) return FileAccessDenied;
    if (!fs::exists(host, error)) return FileNotFound;
    return ReadHostFile(host, bytes) ? FileOk : FileAccessDenied;
}

void CSimFileSystem::SetInUse(const std::u16string& path, int32_t error) {
    if (error == FileOk)
        m_InUse.erase(UpperPath(path));
    else
        m_InUse[UpperPath(path)] = error;
}

void CSimFileSystem::FailWrite(const std::u16string& path, int32_t error, uint32_t afterWrites) {
    m_FailedWrites[UpperPath(path)] = {error, afterWrites};
}

void CSimFileSystem::FailCreateFolder(const std::u16string& path, int32_t error) {
    m_FailedFolders[UpperPath(path)] = error;
}

int32_t CSimFileSystem::WriteAll(const std::u16string& path, const void* data, size_t size) {
    if (!m_FailedWrites.empty()) {
        const auto failed = m_FailedWrites.find(UpperPath(path));
        if (failed != m_FailedWrites.end()) {
            if (failed->second.WritesLeft == 0) return failed->second.Error;
            --failed->second.WritesLeft;
        }
    }
    fs::path host;
    bool parentExists = false;
    if (!Resolve(path, host, parentExists) || !parentExists) return FilePathNotFound;
    std::error_code error;
    if (fs::is_directory(host, error)) return FileAccessDenied;
    const bool isNew = !fs::exists(host, error);
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    if (!out) return FileAccessDenied;
    if (isNew) Made(host);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    return out ? FileOk : FileWriteFault;
}

int32_t CSimFileSystem::Copy(const std::u16string& from, const std::u16string& to, bool failIfExists) {
    std::vector<uint8_t> bytes;
    const int32_t status = ReadAll(from, bytes);
    if (status != FileOk) return status;
    const uint32_t target = Attributes(to);
    if (target != FileAttrInvalid) {
        if (failIfExists) return FileExists; // a folder too
        if ((target & FileAttrDirectory) != 0) return FileAccessDenied;
    }
    return WriteAll(to, bytes.data(), bytes.size());
}

int32_t CSimFileSystem::Delete(const std::u16string& path) {
    fs::path host;
    bool parentExists = false;
    if (!Resolve(path, host, parentExists) || !parentExists) return FilePathNotFound;
    std::error_code error;
    if (!fs::exists(host, error)) return FileNotFound;
    if (fs::is_directory(host, error)) return FileAccessDenied;
    const auto inUse = m_InUse.find(UpperPath(path));
    if (inUse != m_InUse.end()) return inUse->second;
    if (!fs::remove(host, error)) return FileAccessDenied;
    Removed(host);
    return FileOk;
}

int32_t CSimFileSystem::Move(const std::u16string& from, const std::u16string& to, uint32_t flags) {
    if ((flags & MoveDelayUntilReboot) != 0) {
        m_PendingMoves.push_back({from, to});
        return FileOk;
    }
    fs::path source;
    fs::path target;
    bool sourceParent = false;
    bool targetParent = false;
    if (!Resolve(from, source, sourceParent) || !sourceParent) return FilePathNotFound;
    if (!Resolve(to, target, targetParent) || !targetParent) return FilePathNotFound;
    std::error_code error;
    if (!fs::exists(source, error)) return FileNotFound;
    const auto failed = m_FailedWrites.find(UpperPath(to));
    if (failed != m_FailedWrites.end() && failed->second.WritesLeft == 0) return failed->second.Error;
    if (fs::exists(target, error)) {
        if ((flags & MoveReplaceExisting) == 0) return FileAlreadyExists;
        if (fs::is_directory(target, error) || fs::is_directory(source, error)) return FileAccessDenied;
        fs::remove(target, error);
        Removed(target);
    }
    fs::rename(source, target, error);
    if (error) return FileAccessDenied;
    Removed(source);
    Made(target);
    return FileOk;
}

int32_t CSimFileSystem::List(const std::u16string& folder, bool folders, std::vector<std::u16string>& names) {
    names.clear();
    fs::path host;
    bool parentExists = false;
    if (!Resolve(folder, host, parentExists) || !parentExists) return FilePathNotFound;
    std::error_code error;
    if (!fs::exists(host, error)) return FilePathNotFound;
    if (!fs::is_directory(host, error)) return FileDirectoryInvalid;
    // Made by the simulation: in the order made; from outside: after them, in the host's order.
    std::vector<std::pair<uint64_t, std::u16string>> entries;
    for (fs::directory_iterator it(host, error), end; !error && it != end; it.increment(error)) {
        if (it->is_directory(error) != folders) continue;
        const auto made = m_Made.find(it->path());
        const uint64_t order = made != m_Made.end() ? made->second : UINT64_MAX;
        entries.emplace_back(order, it->path().filename().u16string());
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    SIM_PATH parsed;
    const bool driveRoot = ParseWindowsPath(folder, m_CurrentFolder, parsed) && parsed.names.empty();
    if (folders && !driveRoot) names = {u".", u".."};
    for (auto& entry : entries)
        names.push_back(std::move(entry.second));
    return FileOk;
}

int32_t CSimFileSystem::ListFolders(const std::u16string& folder, std::vector<std::u16string>& names) {
    return List(folder, true, names);
}

int32_t CSimFileSystem::ListFiles(const std::u16string& folder, std::vector<std::u16string>& names) {
    return List(folder, false, names);
}

} // namespace tonvel::sim
