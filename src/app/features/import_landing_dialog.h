#pragma once

#include "files/wave_import.h"

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace ondulix {

// "Import into lines", asked before a recording or a wavetable of several frames fills lines:
// the lines From and To (1 and 32 at first), and how each wave comes to 32 points, Smooth (the
// harmonics 0..15 kept) or Plain (each point the mean of its 1/32 of the cycle). Enter takes
// what it shows; Escape imports nothing. To never goes below From.
class ImportLandingDialog : public QDialog
{
    Q_OBJECT

public:
    // `what` says what arrives, as "a recording" or "a wavetable of 40 frames".
    ImportLandingDialog(QWidget& parent, const QString& what);

    LineLanding landing() const;

private:
    QSpinBox* m_from = nullptr;
    QSpinBox* m_to = nullptr;
    QRadioButton* m_plain = nullptr;
};

} // namespace ondulix
