#pragma once

namespace ondulix {

// Lets assistive technology read the program's controls as the user sees them: a scroll bar
// whose top end is the larger value reports the program's value, not the negated one it holds.
void installAccessibleControls();

} // namespace ondulix
