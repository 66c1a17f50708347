// The wizard's worker: the install sequence on its own thread, reporting to the wizard by posted messages
// and message boxes owned by the wizard.

#include "platform/api/Machine.h"
#include "setup/wizard/MainForm.h"

namespace tonvel {

void TMainForm::Install() {
    INSTALL_CONTEXT context{m_Platform, m_Folders, m_Uninstall, m_UsbGroup, m_HidGroup, m_Warnings};
    context.Wow64 = m_Wow64;
    context.windows64 = m_Windows64;
    context.Family = m_Family;
    context.Version = m_Version;
    context.ServicePack = m_ServicePack;
    context.Reports.Progress = [this](int32_t percent) {
        Post(WmInstallProgress, static_cast<uint64_t>(percent));
    };
    context.Reports.Message = [this](const std::u16string& text) {
        App().Backend().MessageBox(this, text, InstallMessageCaption, ui::UiMbOk);
    };
    m_InstallStatus = CInstallSequence(context, m_Steps).Run();
    m_RestartNeeded = context.RestartNeeded;
}

void TMainForm::RunWorker() {
    Install();
    m_Platform.machine->Sleep(WorkerEndDelayMs);
    Post(WmInstallDone, 0);
}

// Straight into the backend's queue: safe from the worker thread.
void TMainForm::Post(uint32_t message, uint64_t wParam) const {
    ui::UI_MSG msg;
    msg.form = const_cast<TMainForm*>(this);
    msg.message = message;
    msg.wParam = wParam;
    App().Backend().PostMessage(msg);
}

void TMainForm::WaitForWorker() {
    if (m_Worker.joinable() && m_Worker.get_id() != std::this_thread::get_id()) m_Worker.join();
}

} // namespace tonvel
