// The in-memory backend's shared state: the window registry, the focus, the
// timers and the queued modal scripts.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <vector>
#include <string>

#include "toolkit/memory/memory_backend.h"

namespace zelvin::tk {

struct MemoryBackend::Impl {
    struct Window {
        std::string title;
        std::string className;
        Rect rect;
        bool topLevel = false;
        bool closesOnPostedClose = false;  // a window of another program
    };
    std::map<WindowHandle, Window> windows;
    std::uintptr_t nextHandle = 0x10000;

    WindowHandle Register(Window window) {
        WindowHandle handle = reinterpret_cast<WindowHandle>(nextHandle);
        nextHandle += 4;
        windows[handle] = std::move(window);
        return handle;
    }
    void Unregister(WindowHandle handle);
    Window* Find(WindowHandle handle) {
        auto found = windows.find(handle);
        return found == windows.end() ? nullptr : &found->second;
    }

    const Control* focused = nullptr;

    struct Timer {
        Dialog* dialog;
        unsigned period;
        uint64_t due;
        uint64_t order;  // ties fall due in the order the timers were set
    };
    std::map<std::pair<WindowHandle, unsigned>, Timer> timers;
    uint64_t timerOrder = 0;

    std::deque<std::function<void(Dialog&)>> modalScripts;

    // Every site the backend made. A destroyed site is kept until the
    // backend goes, because its window's code may still be on the stack.
    std::vector<std::unique_ptr<DialogSite>> dialogSites;
    std::vector<std::unique_ptr<SheetSite>> sheetSites;
};

}  // namespace zelvin::tk
