#pragma once

#include "pattern/line_morph.h"

#include <QDialog>
#include <functional>

class QRadioButton;
class QSpinBox;

namespace ondulix {

// "Morph lines": the two key lines and the kind of morph. OK (or Enter) hands what is set on, and
// the dialog closes only once it was morphed, so that refused lines can be mended; Cancel (or
// Escape) changes nothing. Only asks: the morph itself is its owner's.
class MorphDialog : public QDialog
{
    Q_OBJECT

public:
    // `morph` morphs what the dialog shows and says whether it did.
    MorphDialog(QWidget* parent, std::function<bool()> morph);

    // What the dialog shows when it opens; From has the focus, so Enter takes them as they are.
    void setChoice(int fromLine, int toLine, MorphKind kind);

    int fromLine() const;
    int toLine() const;
    MorphKind kind() const;

    void accept() override;

private:
    std::function<bool()> m_morph;
    QSpinBox* m_from = nullptr;
    QSpinBox* m_to = nullptr;
    QRadioButton* m_crossfade = nullptr;
    QRadioButton* m_spectral = nullptr;
};

} // namespace ondulix
