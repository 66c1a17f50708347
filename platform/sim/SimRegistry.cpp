#include "platform/sim/SimRegistry.h"

#include "platform/sim/SimPath.h"

#include <algorithm>

namespace tonvel::sim {

namespace {

constexpr uint32_t KeySetValue = 0x0002;         // KEY_SET_VALUE
constexpr uint32_t CreateSubKey = 0x0004;        // KEY_CREATE_SUB_KEY
constexpr uint32_t KeyQueryValue = 0x0001;       // KEY_QUERY_VALUE
constexpr uint32_t KeyEnumerateSubKeys = 0x0008; // KEY_ENUMERATE_SUB_KEYS
const std::u16string Wow6432Node = u"WOW6432Node";

struct VALUE {
    std::u16string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

std::vector<std::u16string> SplitKeyPath(const std::u16string& path) {
    std::vector<std::u16string> names;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(u'\\', start);
        if (end == std::u16string::npos) end = path.size();
        if (end > start) names.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

bool NameLess(const std::u16string& a, const std::u16string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char16_t x, char16_t y) { return FoldCase(x) < FoldCase(y); });
}

} // namespace

struct CSimRegistry::NODE {
    std::u16string name;
    std::vector<VALUE> values;                   // creation order
    std::vector<std::unique_ptr<NODE>> children; // name order

    NODE* Child(const std::u16string& childName) const {
        for (const auto& child : children) {
            if (SameName(child->name, childName)) return child.get();
        }
        return nullptr;
    }
    NODE* AddChild(const std::u16string& childName) {
        auto node = std::make_unique<NODE>();
        node->name = childName;
        auto at = std::lower_bound(
            children.begin(), children.end(), childName,
            [](const std::unique_ptr<NODE>& n, const std::u16string& v) { return NameLess(n->name, v); });
        return children.insert(at, std::move(node))->get();
    }
    VALUE* Value(const std::u16string& valueName) {
        for (auto& value : values) {
            if (SameName(value.name, valueName)) return &value;
        }
        return nullptr;
    }
};

CSimRegistry::CSimRegistry() {
    for (RegKey hive : {RegClassesRoot, RegCurrentUser, RegLocalMachine, RegUsers, RegCurrentConfig}) {
        m_Hives[hive] = std::make_unique<NODE>();
    }
    m_Hives[RegLocalMachine]->AddChild(u"SOFTWARE");
    m_Hives[RegCurrentUser]->AddChild(u"Software");
    SetBitness(true, false);
}

CSimRegistry::~CSimRegistry() = default;

void CSimRegistry::SetBitness(bool windows64, bool process64) {
    m_Windows64 = windows64;
    m_Process64 = windows64 && process64;
    NODE* software = m_Hives[RegLocalMachine]->Child(u"SOFTWARE");
    if (software == nullptr) return;
    NODE* wow6432Node = software->Child(Wow6432Node);
    if (m_Windows64 && wow6432Node == nullptr) {
        software->AddChild(Wow6432Node);
    } else if (!m_Windows64 && wow6432Node != nullptr && wow6432Node->children.empty() &&
               wow6432Node->values.empty()) {
        // 32-bit Windows has no 32-bit view of its own.
        software->children.erase(std::find_if(software->children.begin(), software->children.end(),
                                              [&](const auto& child) { return child.get() == wow6432Node; }));
    }
}

RegKey CSimRegistry::NewHandle(RegKey hive, std::vector<std::u16string> path, uint32_t access) {
    const RegKey handle = m_NextHandle;
    m_NextHandle += 4;
    m_Handles[handle] = HANDLE_INFO{hive, std::move(path), access};
    return handle;
}

int32_t CSimRegistry::Locate(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& hive,
                             std::vector<std::u16string>& path) const {
    if (m_Hives.count(parent) != 0) {
        hive = parent;
        path.clear();
    } else {
        const auto it = m_Handles.find(parent);
        if (it == m_Handles.end()) return RegInvalidHandle;
        hive = it->second.hive;
        path = it->second.path;
    }
    if (!subKey.empty() && subKey.front() == u'\\') return RegInvalidParam;
    // The view is chosen where the path reaches HKLM\SOFTWARE: a handle below it keeps the view it was
    // opened in (its path is physical), whatever a later call relative to it asks for.
    const bool fromHiveRoot = path.empty();
    for (auto& name : SplitKeyPath(subKey))
        path.push_back(std::move(name));

    bool view32 = false;
    if (m_Windows64) view32 = m_Process64 ? (access & RegView32) != 0 : (access & RegView64) == 0;
    if (view32 && fromHiveRoot && hive == RegLocalMachine && !path.empty() &&
        SameName(path[0], u"SOFTWARE") && (path.size() == 1 || !SameName(path[1], Wow6432Node))) {
        path.insert(path.begin() + 1, Wow6432Node);
    }
    return RegOk;
}

CSimRegistry::NODE* CSimRegistry::Find(RegKey hive, const std::vector<std::u16string>& path) const {
    const auto it = m_Hives.find(hive);
    if (it == m_Hives.end()) return nullptr;
    NODE* node = it->second.get();
    for (const auto& name : path) {
        node = node->Child(name);
        if (node == nullptr) return nullptr;
    }
    return node;
}

int32_t CSimRegistry::NodeOf(RegKey key, uint32_t needAccess, NODE*& node) const {
    const auto hive = m_Hives.find(key);
    if (hive != m_Hives.end()) {
        node = hive->second.get();
        return RegOk;
    }
    const auto it = m_Handles.find(key);
    if (it == m_Handles.end()) return RegInvalidHandle;
    if ((it->second.access & needAccess) != needAccess) return RegAccessDenied;
    if ((needAccess & KeySetValue) != 0 && !Writable(it->second.hive)) return RegAccessDenied;
    node = Find(it->second.hive, it->second.path);
    return node != nullptr ? RegOk : RegKeyDeleted;
}

int32_t CSimRegistry::CreateKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key,
                                bool* created) {
    RegKey hive = 0;
    std::vector<std::u16string> path;
    int32_t status = Locate(parent, subKey, access, hive, path);
    if (status != RegOk) return status;
    NODE* parentNode = nullptr;
    status = NodeOf(parent, CreateSubKey, parentNode);
    if (status != RegOk) return status;
    NODE* node = m_Hives[hive].get();
    bool made = false;
    for (const auto& name : path) {
        NODE* child = node->Child(name);
        if (child == nullptr) {
            if (!Writable(hive)) return RegAccessDenied;
            child = node->AddChild(name);
            made = true;
        }
        node = child;
    }
    if (created != nullptr) *created = made;
    key = NewHandle(hive, std::move(path), access);
    return RegOk;
}

int32_t CSimRegistry::OpenKey(RegKey parent, const std::u16string& subKey, uint32_t access, RegKey& key) {
    RegKey hive = 0;
    std::vector<std::u16string> path;
    int32_t status = Locate(parent, subKey, access, hive, path);
    if (status != RegOk) return status;
    NODE* parentNode = nullptr;
    status = NodeOf(parent, 0, parentNode);
    if (status != RegOk) return status;
    if (Find(hive, path) == nullptr) return RegNotFound;
    if ((access & KeySetValue) != 0 && !Writable(hive)) return RegAccessDenied;
    key = NewHandle(hive, std::move(path), access);
    return RegOk;
}

int32_t CSimRegistry::FlushKey(RegKey key) {
    NODE* node = nullptr;
    const int32_t status = NodeOf(key, 0, node);
    if (status == RegOk) ++m_Flushes;
    return status;
}

int32_t CSimRegistry::CloseKey(RegKey key) {
    if (m_Hives.count(key) != 0) return RegOk;
    return m_Handles.erase(key) != 0 ? RegOk : RegInvalidHandle;
}

int32_t CSimRegistry::SetValue(RegKey key, const std::u16string& name, uint32_t type, const void* data,
                               uint32_t size) {
    NODE* node = nullptr;
    const int32_t status = NodeOf(key, KeySetValue, node);
    if (status != RegOk) return status;
    if (data == nullptr && size != 0) return RegInvalidParam;
    VALUE* value = node->Value(name);
    if (value == nullptr) {
        node->values.push_back(VALUE{name, 0, {}});
        value = &node->values.back();
    }
    value->type = type;
    const auto* bytes = static_cast<const uint8_t*>(data);
    value->data.assign(bytes, bytes + size);
    return RegOk;
}

int32_t CSimRegistry::QueryValue(RegKey key, const std::u16string& name, uint32_t& type,
                                 std::vector<uint8_t>& data) {
    NODE* node = nullptr;
    const int32_t status = NodeOf(key, KeyQueryValue, node);
    if (status != RegOk) return status;
    const VALUE* value = node->Value(name);
    if (value == nullptr) return RegNotFound;
    type = value->type;
    data = value->data;
    return RegOk;
}

int32_t CSimRegistry::DeleteValue(RegKey key, const std::u16string& name) {
    NODE* node = nullptr;
    const int32_t status = NodeOf(key, KeySetValue, node);
    if (status != RegOk) return status;
    for (auto it = node->values.begin(); it != node->values.end(); ++it) {
        if (SameName(it->name, name)) {
            node->values.erase(it);
            return RegOk;
        }
    }
    return RegNotFound;
}

int32_t CSimRegistry::EnumKey(RegKey key, uint32_t index, std::u16string& name) {
    NODE* node = nullptr;
    const int32_t status = NodeOf(key, KeyEnumerateSubKeys, node);
    if (status != RegOk) return status;
    if (index >= node->children.size()) return RegNoMoreItems;
    name = node->children[index]->name;
    return RegOk;
}

int32_t CSimRegistry::EnumValue(RegKey key, uint32_t index, std::u16string& name, uint32_t& type,
                                std::vector<uint8_t>& data) {
    NODE* node = nullptr;
    const int32_t status = NodeOf(key, KeyQueryValue, node);
    if (status != RegOk) return status;
    if (index >= node->values.size()) return RegNoMoreItems;
    name = node->values[index].name;
    type = node->values[index].type;
    data = node->values[index].data;
    return RegOk;
}

int32_t CSimRegistry::QueryInfoKey(RegKey key, uint32_t& subKeys, uint32_t& values) {
    NODE* node = nullptr;
    const int32_t status = NodeOf(key, KeyQueryValue, node);
    if (status != RegOk) return status;
    subKeys = static_cast<uint32_t>(node->children.size());
    values = static_cast<uint32_t>(node->values.size());
    return RegOk;
}

int32_t CSimRegistry::DeleteKey(RegKey parent, const std::u16string& subKey, uint32_t view) {
    return RemoveKey(parent, subKey, view, false);
}

int32_t CSimRegistry::DeleteTree(RegKey parent, const std::u16string& subKey, uint32_t view) {
    return RemoveKey(parent, subKey, view, true);
}

int32_t CSimRegistry::RemoveKey(RegKey parent, const std::u16string& subKey, uint32_t view,
                                bool withSubKeys) {
    RegKey hive = 0;
    std::vector<std::u16string> path;
    int32_t status = Locate(parent, subKey, view, hive, path);
    if (status != RegOk) return status;
    NODE* parentNode = nullptr;
    status = NodeOf(parent, 0, parentNode);
    if (status != RegOk) return status;
    if (path.empty()) return RegAccessDenied; // a hive itself
    NODE* node = Find(hive, path);
    if (node == nullptr) return RegNotFound;
    if ((!withSubKeys && !node->children.empty()) || !Writable(hive)) return RegAccessDenied;
    NODE* owner = Find(hive, std::vector<std::u16string>(path.begin(), path.end() - 1));
    owner->children.erase(std::find_if(owner->children.begin(), owner->children.end(),
                                       [node](const std::unique_ptr<NODE>& n) { return n.get() == node; }));
    return RegOk;
}

} // namespace tonvel::sim
