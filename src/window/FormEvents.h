#pragma once

#include "platform/Window.h"
#include "window/Form.h"

namespace rw {

// Routes the window's events to the handlers of each subsystem.
class FormEvents final : public IFormEvents {
  public:
    explicit FormEvents(Form& form) : form_(form) {}

    void OnResize() override;
    void OnUnload() override;
    void OnMenu(Menu item) override;
    void OnKeyUp(std::int16_t& keyCode, std::int16_t shift) override;
    void OnDrop(DropTarget target, const std::vector<std::string>& files) override;
    void OnFilesDblClick() override;
    void OnFilesKeyDown(std::int16_t& keyCode, std::int16_t shift) override;

  private:
    Form& form_;
};

}  // namespace rw
