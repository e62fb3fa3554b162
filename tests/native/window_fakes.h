// Recording fakes of the window thread's platform side: windows, the setup view, the tool
// window factory and a scripted host link.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/host_link.h"
#include "windows/setup_window.h"

namespace fake {

struct WindowRecord {
    std::string title;
    bool shown = false, closed = false, hidden = false;  // hidden: ended by the operator
    int repaints = 0;
    windows::Rect rect{0, 0, 200, 100};
    std::vector<std::pair<int, int>> moves;
};

class Window : public windows::Window {
public:
    explicit Window(std::shared_ptr<WindowRecord> record) : record_(std::move(record)) {}
    void setTitle(std::string_view title) override { record_->title = title; }
    void show() override { record_->shown = true; }
    bool visible() override { return record_->shown && !record_->hidden && !record_->closed; }
    void close() override { record_->closed = true; }
    void moveTo(int x, int y) override {
        record_->moves.emplace_back(x, y);
        const int w = record_->rect.right - record_->rect.left, h = record_->rect.bottom - record_->rect.top;
        record_->rect = {x, y, x + w, y + h};
    }
    windows::Rect outerRect() override { return record_->rect; }
    void repaint() override { ++record_->repaints; }

protected:
    std::shared_ptr<WindowRecord> record_;
};

class SetupView final : public windows::SetupView {
public:
    SetupView() : window_(record) {}
    void setTitle(std::string_view t) override { window_.setTitle(t); }
    void show() override { window_.show(); }
    bool visible() override { return window_.visible(); }
    void close() override { window_.close(); }
    void moveTo(int x, int y) override { window_.moveTo(x, y); }
    windows::Rect outerRect() override { return window_.outerRect(); }
    void repaint() override { window_.repaint(); }
    void makeTopmost() override { topmost = true; }
    void setRussianCaptions() override { russian = true; }
    void pushSwitches(const std::array<bool, 3>& on) override { boxes.push_back(on); }
    void armTimer() override {
        ++arms;
        timerRunning = true;
    }
    void stopTimer() override { timerRunning = false; }

    std::shared_ptr<WindowRecord> record = std::make_shared<WindowRecord>();
    bool topmost = false, russian = false, timerRunning = false;
    int arms = 0;
    std::vector<std::array<bool, 3>> boxes;

private:
    fake::Window window_;
};

class ToolFactory final : public windows::ToolWindowFactory {
public:
    std::unique_ptr<windows::Window> create(windows::ToolKind kind) override {
        if (failing.count(kind)) return nullptr;
        auto record = std::make_shared<WindowRecord>();
        created.emplace_back(kind, record);
        return std::make_unique<Window>(record);
    }
    // The record of the latest window of a kind, or null.
    std::shared_ptr<WindowRecord> latest(windows::ToolKind kind) const {
        for (auto it = created.rbegin(); it != created.rend(); ++it)
            if (it->first == kind) return it->second;
        return nullptr;
    }
    std::vector<std::pair<windows::ToolKind, std::shared_ptr<WindowRecord>>> created;
    std::map<windows::ToolKind, bool> failing;
};

// A host whose answers the test scripts; a failing call answers false.
class HostLink final : public host::HostLink {
public:
    bool getFrequency(double& hertz) override {
        if (failFrequency) return false;
        hertz = frequency;
        return true;
    }
    bool getEntryText(int field, std::string& text) override {
        fields.push_back(field);
        if (failEntry) return false;
        text = call;
        return true;
    }
    bool sendMacro(std::string_view text) override {
        if (failMacro) return false;
        macros.emplace_back(text);
        return true;
    }
    double frequency = 0;
    std::string call;
    bool failFrequency = false, failEntry = false, failMacro = false;
    std::vector<int> fields;
    std::vector<std::string> macros;
};

// A connector that makes a new scripted host at each connection and points `made` at it.
inline windows::SetupWindowLogic::ConnectHost connectScriptedHost(HostLink*& made) {
    return [&made]() -> std::unique_ptr<host::HostLink> {
        auto link = std::make_unique<HostLink>();
        made = link.get();
        return link;
    };
}

}  // namespace fake
