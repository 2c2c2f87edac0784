#pragma once

#include <string>

namespace ondulix {

// Lets pending events run once, so the window repaints before the clipboard is touched, then
// empties the clipboard of every format and leaves the text on it as plain text.
void replaceClipboardText(const std::string& text);

// The plain text on the clipboard now; empty when it holds none.
std::string currentClipboardText();

} // namespace ondulix
