#pragma once
// The simulated registry: the five hives as trees of keys with typed values, and the 32/64-bit views of
// 64-bit Windows. Under a 32-bit process on 64-bit Windows, HKLM\SOFTWARE\... is redirected to
// HKLM\SOFTWARE\WOW6432Node\... unless the call asks for the 64-bit view; a 64-bit process reaches the
// 32-bit view with RegView32. The view is chosen where a path from HKLM reaches SOFTWARE (opening
// HKLM\SOFTWARE itself in the 32-bit view gives WOW6432Node); keys opened relative to a handle below it stay
// in that handle's view. On 32-bit Windows there is one view and the view flags are ignored.
// Sub-keys enumerate in name order regardless of case, values in the order they were created.

#include "platform/api/Registry.h"

#include <map>
#include <memory>

namespace tonvel::sim {

inline constexpr int32_t RegKeyDeleted = 1018; // ERROR_KEY_DELETED

class CSimRegistry : public IRegistry {
public:
    CSimRegistry();
    ~CSimRegistry() override;

    int32_t CreateKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key,
                      bool* created = nullptr) override;
    int32_t OpenKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key) override;
    int32_t FlushKey(RegKey key) override;
    int32_t CloseKey(RegKey key) override;
    int32_t SetValue(RegKey key, const std::u16string& name, uint32_t type, const void* data,
                     uint32_t size) override;
    int32_t QueryValue(RegKey key, const std::u16string& name, uint32_t& type,
                       std::vector<uint8_t>& data) override;
    int32_t DeleteValue(RegKey key, const std::u16string& name) override;
    int32_t EnumKey(RegKey key, uint32_t index, std::u16string& name) override;
    int32_t EnumValue(RegKey key, uint32_t index, std::u16string& name, uint32_t& type,
                      std::vector<uint8_t>& data) override;
    int32_t QueryInfoKey(RegKey key, uint32_t& subKeys, uint32_t& values) override;
    int32_t DeleteKey(RegKey parent, const std::u16string& subKey, uint32_t view) override;
    int32_t DeleteTree(RegKey parent, const std::u16string& subKey, uint32_t view) override;

    // The simulated machine: 64-bit Windows or not, and the bitness of the calling process.
    void SetBitness(bool windows64, bool process64);
    bool Windows64() const { return m_Windows64; }
    bool Process64() const { return m_Process64; }
    // Whether HKLM may be written (the process runs elevated); reads always work.
    void SetLocalMachineWritable(bool writable) { m_LocalMachineWritable = writable; }
    // Successful RegFlushKey calls.
    uint32_t Flushes() const { return m_Flushes; }
    // Handles not closed yet (to check that callers close what they open).
    size_t OpenHandleCount() const { return m_Handles.size(); }

    struct NODE;

private:
    struct HANDLE_INFO {
        RegKey hive = 0;
        std::vector<std::u16string> path; // the physical path below the hive
        uint32_t access = 0;
    };

    // The hive and physical path a parent plus sub-key names in the view `access` selects.
    int32_t Locate(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& hive,
                   std::vector<std::u16string>& path) const;
    NODE* Find(RegKey hive, const std::vector<std::u16string>& path) const;
    int32_t NodeOf(RegKey key, uint32_t needAccess, NODE*& node) const;
    int32_t RemoveKey(RegKey parent, const std::u16string& subKey, uint32_t view, bool withSubKeys);
    bool Writable(RegKey hive) const { return hive != RegLocalMachine || m_LocalMachineWritable; }
    RegKey NewHandle(RegKey hive, std::vector<std::u16string> path, uint32_t access);

    std::map<RegKey, std::unique_ptr<NODE>> m_Hives;
    std::map<RegKey, HANDLE_INFO> m_Handles;
    RegKey m_NextHandle = 0x1000;
    bool m_Windows64 = true;
    bool m_Process64 = false;
    bool m_LocalMachineWritable = true;
    uint32_t m_Flushes = 0;
};

} // namespace tonvel::sim
