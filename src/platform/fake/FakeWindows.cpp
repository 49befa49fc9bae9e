#include "platform/fake/FakeWindows.h"

#include <algorithm>

namespace platform::fake {

WindowId FakeWindows::Add(const std::string& className, const std::string& title) {
    Window window{++nextId_, className, title};
    zOrder.insert(zOrder.begin(), window);
    return window.id;
}

FakeWindows::Window* FakeWindows::Get(WindowId id) {
    auto it =
        std::find_if(zOrder.begin(), zOrder.end(), [&](const Window& w) { return w.id == id; });
    return it == zOrder.end() ? nullptr : &*it;
}

WindowId FakeWindows::Find(const std::string& className, const std::string& title) {
    for (const auto& w : zOrder) {
        if ((className.empty() || w.className == className) && w.title == title) {
            return w.id;
        }
    }
    return 0;
}

std::string FakeWindows::ClassName(WindowId window) {
    Window* w = Get(window);
    return w == nullptr ? std::string() : w->className;
}

WindowId FakeWindows::Next(WindowId window) {
    for (std::size_t i = 0; i < zOrder.size(); ++i) {
        if (zOrder[i].id == window) {
            return i + 1 < zOrder.size() ? zOrder[i + 1].id : 0;
        }
    }
    return 0;
}

void FakeWindows::Restore(WindowId window) {
    actions.push_back("restore:" + std::to_string(window));
    if (Window* w = Get(window); w != nullptr && !w->staysIconic) {
        w->iconic = false;
    }
}

bool FakeWindows::IsIconic(WindowId window) {
    Window* w = Get(window);
    return w != nullptr && w->iconic;
}

void FakeWindows::BringToTop(WindowId window) {
    actions.push_back("top:" + std::to_string(window));
}

void FakeWindows::SetForeground(WindowId window) {
    actions.push_back("foreground:" + std::to_string(window));
}

bool FakeWindows::Post(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
    if (Get(window) == nullptr) {
        return false;
    }
    messages.push_back({window, message, wParam, lParam, false});
    return true;
}

bool FakeWindows::Send(WindowId window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam, std::uint32_t timeoutMs) {
    Window* w = Get(window);
    if (w == nullptr) {
        return false;
    }
    if (onSend) {
        onSend(timeoutMs);
    }
    messages.push_back({window, message, wParam, lParam, true});
    return w->answers;
}

} // namespace platform::fake
