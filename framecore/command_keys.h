#pragma once

// The keys a Windows user brings to a viewer, and the command each one means.
// The frame runs the command of the bar button it names, exactly when that
// button is enabled; Copy has no button.
enum class KeyCommand { None, Previous, Next, ZoomOut, ZoomIn, Open, SaveAs, Help, Copy };

// A key pressed (WM_KEYDOWN's virtual-key code): Left and Page Up go back,
// Right and Page Down on; F1 is Help.
KeyCommand CommandOfKey(unsigned virtualKey);
// A character typed (WM_CHAR): + and - of the main keyboard or the keypad
// zoom, whatever the layout; Ctrl+O, Ctrl+S and Ctrl+C arrive as the control
// characters 15, 19 and 3.
KeyCommand CommandOfCharacter(unsigned character);
// The bitmap base name of the command's bar button ("Prev"); nullptr for Copy and None.
const char* ButtonOfCommand(KeyCommand command);
