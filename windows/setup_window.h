// The setup window's logic: three switches, each tied to a check box, a settings key and a
// tool window; the position; the host connection and its mode macros; the polling timer.
// Runs on the window thread only; the platform side turns messages into these calls.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "host/host_link.h"
#include "platform/services.h"
#include "windows/saved_position.h"
#include "windows/window.h"

namespace windows {

// The setup window itself, beyond what every window offers.
class SetupView : public Window {
public:
    // On top of all other windows, without moving, sizing or activating it.
    virtual void makeTopmost() = 0;
    virtual void setRussianCaptions() = 0;
    // The check boxes show the switches, whatever a click did to them.
    virtual void pushSwitches(const std::array<bool, 3>& on) = 0;
    // Timer id 1442, 300 ms; arming a running timer restarts its countdown.
    virtual void armTimer() = 0;
    virtual void stopTimer() = 0;
};

struct SwitchSpec {
    int boxId;
    std::string_view key;
    ToolKind kind;
};

// In box order: "DXCC", "Ext. DXCC", "Prov/Cont".
inline constexpr std::array<SwitchSpec, 3> kSwitches = {{
    {1014, "DXCC", ToolKind::WorkedBefore},
    {1028, "setup_view_dxcc_extended", ToolKind::Dxcc},
    {1042, "Call_Area", ToolKind::Province},
}};

inline constexpr int kPollTimerId = 1442;
inline constexpr int kPollPeriodMs = 300;

class SetupWindowLogic {
public:
    using ConnectHost = std::function<std::unique_ptr<host::HostLink>()>;

    SetupWindowLogic(platform::Settings& settings, SetupView& view, ToolWindowFactory& tools, ConnectHost connect,
                     bool russianCaptions);

    // Position, switches, top-most, host connection and mode macros, captions, boxes, timer.
    // No tool window opens here: the first poll opens those whose switch is on.
    void initialise();
    // A click on a box: follows the tool window's reference, not the box's state.
    void toggle(int boxId);
    // Opens the window of each switch that is on and drops those the operator has hidden.
    void upkeep();
    // The timer's notification: one poll per arming.
    void onTimer();
    // The close protocol: stop the timer, close every open tool window and forget it.
    void closeToolWindows();
    void savePosition() { position_.save(view_.outerRect()); }

    bool switchOn(ToolKind kind) const { return switches_[index(kind)]; }
    Window* toolWindow(ToolKind kind) const { return tools_[index(kind)].get(); }
    host::HostLink* hostLink() const { return host_.get(); }

private:
    static size_t index(ToolKind kind) { return size_t(kind); }
    void setSwitch(size_t i, bool on);
    std::array<bool, 3> switchStates() const { return switches_; }

    platform::Settings& settings_;
    SetupView& view_;
    ToolWindowFactory& factory_;
    ConnectHost connect_;
    bool russianCaptions_;
    SavedPosition position_;
    std::array<bool, 3> switches_{};
    std::array<std::unique_ptr<Window>, 3> tools_;
    std::unique_ptr<host::HostLink> host_;
};

}  // namespace windows
