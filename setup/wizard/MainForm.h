#pragma once
// TMainForm: the setup wizard. Three pages (language, install progress, finish) and four buttons; Next runs
// the install sequence on a worker thread that posts its progress and its completion to this window. The
// wizard's data that the worker reads is written before the worker starts and stays until it has ended:
// the wizard refuses to close while the installation runs, and its destruction waits for the worker.

#include "foundation/config/ApplicationFolderPath.h"
#include "foundation/devid/DeviceIdMgr.h"
#include "installation/InstallationNames.h"
#include "installation/RegUninstallInfo.h"
#include "platform/api/Platform.h"
#include "setup/install/InstallSequence.h"
#include "setup/wizard/SetupLanguage.h"
#include "ui/core/Ui.h"

#include <atomic>
#include <string>
#include <thread>

namespace tonvel {

class TBackgroundForm;

inline constexpr uint32_t WmInstallProgress = ui::UiWmUser + 32; // wParam: 0-100
inline constexpr uint32_t WmInstallDone = ui::UiWmUser + 33;
inline constexpr uint32_t WorkerEndDelayMs = 500; // before the worker posts its completion
inline constexpr char16_t WizardCaption[] = u"ORV 7.1 USB Audio Setup";
inline constexpr size_t FileVersionMax = 31;

enum WIZARD_PAGE : int32_t { LanguagePage = 0, InstallPage = 1, FinishPage = 2 };

class TMainForm : public ui::CForm {
public:
    TMainForm(ui::CApplication& app, const Platform& platform, TBackgroundForm& background);
    ~TMainForm() override;

    // Construction: traces, file version, Wow64 flag, Windows version, configuration, icon, uninstall
    // record. A framework error (the icon cannot be loaded) is returned; start-up then ends.
    int32_t Create(ui::CUiError* error);

    // Handlers.
    void FormShow();
    void NextBitBtnClick();
    void CancelBitBtnClick();
    void FinishBitBtnClick();
    void ComboBoxChange();
    void FormClose(ui::CloseAction& action);

    // Languages.
    std::u16string ReadCurrentLanguage() const;
    int32_t FillLanguageList(const std::u16string& current);
    int32_t LoadTexts(const std::u16string& language, ui::CUiError* error);
    void ApplyTexts();
    void StoreCurrentLanguage(const std::u16string& language);

    // The whole installation, synchronously (what the worker runs).
    void Install();
    // The functions the install sequence calls (tests put their own in before Next).
    INSTALL_STEPS& Steps() { return m_Steps; }
    bool Installing() const { return m_Installing; }
    // Waits until the worker thread, if one was started, has ended.
    void WaitForWorker();

    // What the wizard holds and shows.
    int32_t InstallStatus() const { return m_InstallStatus; }
    bool Wow64() const { return m_Wow64; }
    const std::u16string& FileVersion() const { return m_FileVersion; }
    int32_t FamilyCode() const { return m_Family; }
    const _APPLICATION_FOLDER_PATH& Folders() const { return m_Folders; }
    const _REG_UNINSTALL_INFO& UninstallInfo() const { return m_Uninstall; }
    const SETUP_LABELS& Labels() const { return m_Labels; }
    std::u16string LanguageRoot() const;
    int32_t PageShown() const { return m_Notebook->ActivePageIndex(); }
    ui::CButton& BackBitBtn() { return *m_Back; }
    ui::CButton& NextBitBtn() { return *m_Next; }
    ui::CButton& FinishBitBtn() { return *m_Finish; }
    ui::CButton& CancelBitBtn() { return *m_Cancel; }
    ui::CPageControl& Notebook() { return *m_Notebook; }
    ui::CComboBox& ComboBox() { return *m_Combo; }
    ui::CComboBox& OriginalComboBox() { return *m_OriginalCombo; }
    ui::CFolderList& DirectoryListBox() { return *m_DirectoryList; }
    ui::CLabel& Label(SETUP_LABEL entry);
    ui::CProgressBar& ProgressBar() { return *m_Progress; }
    ui::CRadioButton& RebootRadioButton() { return *m_Reboot; }
    ui::CRadioButton& NoRebootRadioButton() { return *m_NoReboot; }

private:
    void BuildControls();
    void BuildPages();
    void WindowMessage(ui::UI_MSG& msg, bool& handled);
    void InstallProgress(int32_t percent);
    void InstallDoneMessage();
    void RunWorker();
    void Post(uint32_t message, uint64_t wParam) const;
    bool LoadDeviceGroup(CDeviceIdMgr& group, const char16_t* section, const char16_t* name);
    bool AnotherSetupRuns();
    void ApplyLabelEntry(SETUP_LABEL entry, ui::CLabel& label);

    const Platform& m_Platform;
    TBackgroundForm& m_Background;
    CDeviceIdMgr m_UsbGroup;
    CDeviceIdMgr m_HidGroup;
    _APPLICATION_FOLDER_PATH m_Folders;
    _REG_UNINSTALL_INFO m_Uninstall;
    SETUP_LABELS m_Labels;
    INSTALL_WARNINGS m_Warnings;
    INSTALL_STEPS m_Steps = DefaultInstallSteps();
    std::u16string m_FileVersion;
    bool m_Wow64 = false;
    bool m_Windows64 = false;
    int32_t m_Family = 2;
    int32_t m_Version = 0;
    int32_t m_ServicePack = 0;
    std::atomic<int32_t> m_InstallStatus{InstallNotDone};
    std::atomic<bool> m_RestartNeeded{false}; // a device could be restarted only with Windows
    bool m_Installing = false;                // from Next until the completion message
    std::thread m_Worker;

    ui::CButton* m_Back = nullptr;
    ui::CButton* m_Next = nullptr;
    ui::CButton* m_Finish = nullptr;
    ui::CButton* m_Cancel = nullptr;
    ui::CPageControl* m_Notebook = nullptr;
    ui::CFolderList* m_DirectoryList = nullptr;
    ui::CComboBox* m_OriginalCombo = nullptr;
    ui::CComboBox* m_Combo = nullptr;
    ui::CLabel* m_LabelControls[SetupLabelCount] = {};
    ui::CProgressBar* m_Progress = nullptr;
    ui::CRadioButton* m_Reboot = nullptr;
    ui::CRadioButton* m_NoReboot = nullptr;
};

} // namespace tonvel
