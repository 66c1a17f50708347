#pragma once
// The headless backend's posted-message queue. Any thread may post into it (the setup's worker posts its
// progress to the wizard); the user-interface thread takes the messages out.

#include "ui/core/Ui.h"

#include <deque>
#include <functional>
#include <mutex>

namespace tonvel::ui {

class CMessageQueue {
public:
    void Push(const UI_MSG& msg) {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Messages.push_back(msg);
    }
    // The oldest message; false when there is none.
    bool Pop(UI_MSG& msg) {
        std::lock_guard<std::mutex> lock(m_Mutex);
        if (m_Messages.empty()) return false;
        msg = m_Messages.front();
        m_Messages.pop_front();
        return true;
    }
    size_t Size() const {
        std::lock_guard<std::mutex> lock(m_Mutex);
        return m_Messages.size();
    }
    bool Empty() const { return Size() == 0; }
    void EraseIf(const std::function<bool(const UI_MSG&)>& drop) {
        std::lock_guard<std::mutex> lock(m_Mutex);
        std::erase_if(m_Messages, drop);
    }

private:
    mutable std::mutex m_Mutex;
    std::deque<UI_MSG> m_Messages;
};

} // namespace tonvel::ui
