#include "windows/MainLayout.h"

namespace jumpline {

std::string controlName(Control control, int index)
{
    const auto element = [index](const char *array) { return std::string(array) + '(' + std::to_string(index) + ')'; };
    switch (control) {
    case Control::Square: return element("Square");
    case Control::Black: return element("Black");
    case Control::Red: return element("Red");
    case Control::Image1: return "Image1";
    case Control::lblPassword: return "lblPassword";
    case Control::Shape2: return "Shape2";
    case Control::lblPlayer: return "lblPlayer";
    case Control::lblTurn: return "lblTurn";
    case Control::optMultiJump: return "optMultiJump";
    case Control::cmdReset: return "cmdReset";
    case Control::cmdExit: return "cmdExit";
    }
    return {};
}

} // namespace jumpline
