#include "framecore/command_keys.h"

namespace {

// Windows' virtual-key codes.
constexpr unsigned kPageUp = 0x21, kPageDown = 0x22, kLeft = 0x25, kRight = 0x27, kF1 = 0x70;
// Control characters of Ctrl + a letter.
constexpr unsigned kCtrlC = 3, kCtrlO = 15, kCtrlS = 19;

}  // namespace

KeyCommand CommandOfKey(unsigned virtualKey) {
    switch (virtualKey) {
        case kLeft:
        case kPageUp: return KeyCommand::Previous;
        case kRight:
        case kPageDown: return KeyCommand::Next;
        case kF1: return KeyCommand::Help;
        default: return KeyCommand::None;
    }
}

KeyCommand CommandOfCharacter(unsigned character) {
    switch (character) {
        case '+': return KeyCommand::ZoomIn;
        case '-': return KeyCommand::ZoomOut;
        case kCtrlO: return KeyCommand::Open;
        case kCtrlS: return KeyCommand::SaveAs;
        case kCtrlC: return KeyCommand::Copy;
        default: return KeyCommand::None;
    }
}

const char* ButtonOfCommand(KeyCommand command) {
    switch (command) {
        case KeyCommand::Previous: return "Prev";
        case KeyCommand::Next: return "Next";
        case KeyCommand::ZoomOut: return "ZmOut";
        case KeyCommand::ZoomIn: return "ZmIn";
        case KeyCommand::Open: return "Open";
        case KeyCommand::SaveAs: return "SaveAs";
        case KeyCommand::Help: return "Help";
        default: return nullptr;
    }
}
