#pragma once
// Fault injection for registry writers: a registry that passes every call on to another one, except that
// value writes from a chosen one on are refused (the n-th only, or the n-th and every later one). A refused
// write changes nothing.

#include "platform/api/Registry.h"

#include <cstdint>

namespace tonvel::sim {

class CRegistryWriteFaults : public IRegistry {
public:
    explicit CRegistryWriteFaults(IRegistry& inner) : m_Inner(inner) {}

    // Value write number `n` (1 = the next one) fails with `error`; with `later` every write after it too.
    // 0 lets every write through.
    void FailWrite(uint32_t n, bool later = false, int32_t error = RegAccessDenied) {
        m_FailAt = n == 0 ? 0 : m_Writes + n;
        m_Later = later;
        m_Error = error;
    }
    // Value writes asked for so far, refused ones included.
    uint32_t Writes() const { return m_Writes; }

    int32_t CreateKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key,
                      bool* created = nullptr) override {
        return m_Inner.CreateKey(parent, subKey, access, key, created);
    }
    int32_t OpenKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key) override {
        return m_Inner.OpenKey(parent, subKey, access, key);
    }
    int32_t FlushKey(RegKey key) override { return m_Inner.FlushKey(key); }
    int32_t CloseKey(RegKey key) override { return m_Inner.CloseKey(key); }
    int32_t SetValue(RegKey key, const std::u16string& name, uint32_t type, const void* data,
                     uint32_t size) override {
        ++m_Writes;
        if (m_FailAt != 0 && (m_Writes == m_FailAt || (m_Later && m_Writes > m_FailAt))) return m_Error;
        return m_Inner.SetValue(key, name, type, data, size);
    }
    int32_t QueryValue(RegKey key, const std::u16string& name, uint32_t& type,
                       std::vector<uint8_t>& data) override {
        return m_Inner.QueryValue(key, name, type, data);
    }
    int32_t DeleteValue(RegKey key, const std::u16string& name) override {
        return m_Inner.DeleteValue(key, name);
    }
    int32_t EnumKey(RegKey key, uint32_t index, std::u16string& name) override {
        return m_Inner.EnumKey(key, index, name);
    }
    int32_t EnumValue(RegKey key, uint32_t index, std::u16string& name, uint32_t& type,
                      std::vector<uint8_t>& data) override {
        return m_Inner.EnumValue(key, index, name, type, data);
    }
    int32_t QueryInfoKey(RegKey key, uint32_t& subKeys, uint32_t& values) override {
        return m_Inner.QueryInfoKey(key, subKeys, values);
    }
    int32_t DeleteKey(RegKey parent, const std::u16string& subKey, uint32_t view) override {
        return m_Inner.DeleteKey(parent, subKey, view);
    }
    int32_t DeleteTree(RegKey parent, const std::u16string& subKey, uint32_t view) override {
        return m_Inner.DeleteTree(parent, subKey, view);
    }

private:
    IRegistry& m_Inner;
    uint32_t m_Writes = 0;
    uint32_t m_FailAt = 0;
    bool m_Later = false;
    int32_t m_Error = RegAccessDenied;
};

} // namespace tonvel::sim
