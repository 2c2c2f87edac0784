#pragma once

#include "wave/formula.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace ondulix {

// "Formula...": an expression, what it applies to (the current wave, or lines From..To) and how
// its values become levels. Apply (or Enter) hands the request on, and the dialog closes only
// when it was applied, so that a refused formula can be mended; Escape changes nothing. The
// dialog lives for the session and keeps what was last written in it.
class FormulaDialog : public QDialog
{
    Q_OBJECT

public:
    // `apply` applies request() and says whether it did.
    FormulaDialog(QWidget& parent, std::function<bool()> apply);

    // Opens it with the expression's text selected, so that typing replaces it.
    void openForEditing();
    // What the fields ask for now; one wave is asked as its own line.
    FormulaRequest request(int currentLine) const;
    bool appliesToLines() const;

    void accept() override;

private:
    QWidget* buildRange();
    QWidget* buildLevel();

    std::function<bool()> m_apply;
    QLineEdit* m_expression = nullptr;
    QRadioButton* m_currentWave = nullptr;
    QRadioButton* m_lines = nullptr;
    QSpinBox* m_from = nullptr;
    QSpinBox* m_to = nullptr;
    QRadioButton* m_normalize = nullptr;
    QRadioButton* m_asWritten = nullptr;
};

} // namespace ondulix
