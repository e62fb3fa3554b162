// Setup window logic.
#include "windows/setup_window.h"

namespace windows {

SetupWindowLogic::SetupWindowLogic(platform::Settings& settings, SetupView& view, ToolWindowFactory& tools,
                                   ConnectHost connect, bool russianCaptions)
    : settings_(settings),
      view_(view),
      factory_(tools),
      connect_(std::move(connect)),
      russianCaptions_(russianCaptions),
      position_(settings, "master_x", "master_y") {}

void SetupWindowLogic::initialise() {
    position_.restore(10, 10);
    for (size_t i : {size_t(1), size_t(0), size_t(2)})  // read order of the keys
        switches_[i] = platform::parseLeadingInt(settings_.read(kSwitches[i].key, "")) != 0;
    view_.moveTo(position_.x(), position_.y());
    view_.makeTopmost();
    if (connect_) host_ = connect_();
    if (host_) {
        host_->sendMacro("<MODE:BPSK31>");
        host_->sendMacro("<BAUDRATE:63>");
    }
    if (russianCaptions_) view_.setRussianCaptions();
    view_.pushSwitches(switchStates());
    view_.armTimer();
}

void SetupWindowLogic::setSwitch(size_t i, bool on) {
    switches_[i] = on;
    settings_.write(kSwitches[i].key, on ? "1" : "0");
}

void SetupWindowLogic::toggle(int boxId) {
    size_t i = 0;
    while (i < kSwitches.size() && kSwitches[i].boxId != boxId) ++i;
    if (i == kSwitches.size()) return;
    if (tools_[i]) {
        tools_[i]->close();
        tools_[i].reset();
        setSwitch(i, false);
    } else if (auto window = factory_.create(kSwitches[i].kind)) {
        tools_[i] = std::move(window);
        tools_[i]->show();
        setSwitch(i, true);
    }
    view_.pushSwitches(switchStates());
    view_.armTimer();
}

void SetupWindowLogic::upkeep() {
    for (ToolKind kind : {ToolKind::WorkedBefore, ToolKind::Province, ToolKind::Dxcc}) {
        const size_t i = index(kind);
        if (!switches_[i]) continue;
        if (!tools_[i]) {
            tools_[i] = factory_.create(kind);
            if (!tools_[i]) continue;
            tools_[i]->show();
        }
        if (tools_[i]->visible()) continue;
        // The operator ended it with Escape: the switch follows.
        tools_[i].reset();
        setSwitch(i, false);
        view_.pushSwitches(switchStates());
    }
}

void SetupWindowLogic::onTimer() {
    view_.stopTimer();
    upkeep();
}

void SetupWindowLogic::closeToolWindows() {
    view_.stopTimer();
    for (ToolKind kind : {ToolKind::WorkedBefore, ToolKind::Province, ToolKind::Dxcc}) {
        auto& window = tools_[index(kind)];
        if (!window) continue;
        window->close();
        window.reset();
    }
}

}  // namespace windows
