#pragma once

class QApplication;

namespace ondulix {

// The look every run shares, the tests' included: the Fusion style, and the stand-in for
// MS Sans Serif as the default font; and the controls as assistive technology reads them.
void setUpApplication(QApplication& app);

} // namespace ondulix
