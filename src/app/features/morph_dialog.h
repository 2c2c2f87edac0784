#pragma once

#include "pattern/line_morph.h"

#include <QDialog>

class QRadioButton;
class QSpinBox;

namespace ondulix {

// "Morph lines": the two key lines and the kind of morph. OK (or Enter) takes what is set;
// Cancel (or Escape) changes nothing. Only asks: the morph itself is its owner's.
class MorphDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MorphDialog(QWidget* parent);

    // What the dialog shows when it opens; From has the focus, so Enter takes them as they are.
    void setChoice(int fromLine, int toLine, MorphKind kind);

    int fromLine() const;
    int toLine() const;
    MorphKind kind() const;

private:
    QSpinBox* m_from = nullptr;
    QSpinBox* m_to = nullptr;
    QRadioButton* m_crossfade = nullptr;
    QRadioButton* m_spectral = nullptr;
};

} // namespace ondulix
