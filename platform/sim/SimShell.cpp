#include "platform/sim/SimShell.h"

#include "base/text/Utf.h"
#include "platform/api/FileSystem.h"

namespace tonvel::sim {

namespace {

constexpr int32_t Ok = 0;
constexpr int32_t False = 1;
constexpr int32_t FailedHresult = static_cast<int32_t>(0x80004005); // E_FAIL
constexpr int32_t NoInterface = static_cast<int32_t>(0x80004002);   // E_NOINTERFACE
constexpr int32_t Pointer = static_cast<int32_t>(0x80004003);       // E_POINTER

} // namespace

CSimShell::SIM_LINK* CSimShell::LinkOf(COM_OBJECT object) {
    for (const auto& link : m_Links)
        if (link.get() == object && link->references > 0) return link.get();
    return nullptr;
}

int32_t CSimShell::CoInitialize() {
    if (m_FailingStep == FAIL_INITIALISE) return FailedHresult;
    return ++m_InitialiseDepth == 1 ? Ok : False;
}

void CSimShell::CoUninitialize() {
    --m_InitialiseDepth;
}

int32_t CSimShell::CreateShellLink(COM_OBJECT& link) {
    link = nullptr;
    if (m_FailingStep == FAIL_CREATE || m_InitialiseDepth <= 0) return FailedHresult;
    m_Links.push_back(std::make_unique<SIM_LINK>());
    m_Links.back()->references = 1;
    ++m_LiveReferences;
    link = m_Links.back().get();
    return Ok;
}

int32_t CSimShell::QueryPersistFile(COM_OBJECT link, COM_OBJECT& persistFile) {
    persistFile = nullptr;
    SIM_LINK* object = LinkOf(link);
    if (!object) return Pointer;
    if (m_FailingStep == FAIL_PERSIST_FILE) return NoInterface;
    ++object->references;
    ++m_LiveReferences;
    persistFile = object;
    return Ok;
}

int32_t CSimShell::SetLinkPath(COM_OBJECT link, std::u16string_view target) {
    SIM_LINK* object = LinkOf(link);
    if (!object) return Pointer;
    if (m_FailingStep == FAIL_SET_PATH) return FailedHresult;
    object->target = std::u16string(target);
    return Ok;
}

int32_t CSimShell::SaveFile(COM_OBJECT persistFile, std::u16string_view path, bool remember) {
    SIM_LINK* object = LinkOf(persistFile);
    if (!object) return Pointer;
    if (m_FailingStep == FAIL_SAVE) return FailedHresult;
    if (m_Files) {
        const std::string text = Utf16ToUtf8(object->target);
        if (m_Files->WriteAll(std::u16string(path), text.data(), text.size()) != FileOk) return FailedHresult;
    }
    m_Shortcuts.push_back({std::u16string(path), object->target, remember});
    return Ok;
}

void CSimShell::Release(COM_OBJECT object) {
    if (SIM_LINK* link = LinkOf(object)) {
        --link->references;
        --m_LiveReferences;
    }
}

} // namespace tonvel::sim
