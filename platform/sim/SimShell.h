#pragma once
// Simulated component library and shell links: records what was asked (initialisations, the links saved
// with their targets) and, when given a file system, writes each saved link there as a small file.

#include "platform/api/Shell.h"

#include <memory>
#include <string>
#include <vector>

namespace tonvel {
class IFileSystem;
}

namespace tonvel::sim {

class CSimShell : public IShell {
public:
    // One IPersistFile::Save of a shell link.
    struct SIM_SHORTCUT {
        std::u16string path;
        std::u16string target;
        bool remember;
    };
    // The step that fails, for failure tests.
    enum FAILING_STEP {
        FAIL_NONE,
        FAIL_INITIALISE,
        FAIL_CREATE,
        FAIL_PERSIST_FILE,
        FAIL_SET_PATH,
        FAIL_SAVE
    };

    // Saved links are written into this file system (its text is the target, UTF-8); may be null.
    void SetFileSystem(IFileSystem* files) { m_Files = files; }
    void SetFailingStep(FAILING_STEP step) { m_FailingStep = step; }

    const std::vector<SIM_SHORTCUT>& Shortcuts() const { return m_Shortcuts; }
    // Successful CoInitialize calls minus CoUninitialize calls.
    int InitialiseDepth() const { return m_InitialiseDepth; }
    // Interface references not yet released.
    int LiveReferences() const { return m_LiveReferences; }

    int32_t CoInitialize() override;
    void CoUninitialize() override;
    int32_t CreateShellLink(COM_OBJECT& link) override;
    int32_t QueryPersistFile(COM_OBJECT link, COM_OBJECT& persistFile) override;
    int32_t SetLinkPath(COM_OBJECT link, std::u16string_view target) override;
    int32_t SaveFile(COM_OBJECT persistFile, std::u16string_view path, bool remember) override;
    void Release(COM_OBJECT object) override;

private:
    struct SIM_LINK {
        std::u16string target;
        int references = 0;
    };
    // Both interfaces of one link are the same record, as a shell link object answers both.
    SIM_LINK* LinkOf(COM_OBJECT object);

    IFileSystem* m_Files = nullptr;
    FAILING_STEP m_FailingStep = FAIL_NONE;
    std::vector<std::unique_ptr<SIM_LINK>> m_Links;
    std::vector<SIM_SHORTCUT> m_Shortcuts;
    int m_InitialiseDepth = 0;
    int m_LiveReferences = 0;
};

} // namespace tonvel::sim
