#include "app/features/formula_dialog.h"

#include "platform/line_box.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ondulix {

FormulaDialog::FormulaDialog(QWidget& parent, std::function<bool()> apply)
    : QDialog(&parent)
    , m_apply(std::move(apply))
    , m_expression(new QLineEdit(QStringLiteral("sin(2*pi*x)")))
{
    setObjectName(QStringLiteral("formulaDialog"));
    setWindowTitle(QStringLiteral("Formula"));
    m_expression->setObjectName(QStringLiteral("txtFormula"));
    m_expression->setMinimumWidth(m_expression->fontMetrics().averageCharWidth() * 40);
    auto* hint = new QLabel(QStringLiteral("x = i/32 the phase, i the sample 0..31, t 0..1 down "
                                           "the lines, n the line; pi, e"));
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Apply | QDialogButtonBox::Cancel);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
        &FormulaDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FormulaDialog::reject);

    auto* layout = new QVBoxLayout(this);
    auto* expression = new QFormLayout;
    expression->addRow(QStringLiteral("&Formula:"), m_expression);
    layout->addLayout(expression);
    layout->addWidget(hint);
    layout->addWidget(buildRange());
    layout->addWidget(buildLevel());
    layout->addWidget(buttons);
    // Only a button inside the dialog can be its default, the one Enter clicks.
    buttons->button(QDialogButtonBox::Apply)->setDefault(true);
}

QWidget* FormulaDialog::buildRange()
{
    auto* group = new QGroupBox(QStringLiteral("Apply to"));
    m_currentWave = new QRadioButton(QStringLiteral("&Current wave"));
    m_currentWave->setObjectName(QStringLiteral("optCurrentWave"));
    m_currentWave->setChecked(true);
    m_lines = new QRadioButton(QStringLiteral("&Lines"));
    m_lines->setObjectName(QStringLiteral("optLines"));
    m_from = lineBox(QStringLiteral("spnFrom"), 1);
    m_to = lineBox(QStringLiteral("spnTo"), kPatternLineCount);
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_currentWave);
    row->addWidget(m_lines);
    row->addWidget(new QLabel(QStringLiteral("From")));
    row->addWidget(m_from);
    row->addWidget(new QLabel(QStringLiteral("To")));
    row->addWidget(m_to);
    // Choosing a line is choosing to write lines.
    for (QSpinBox* box : {m_from, m_to})
        connect(box, &QSpinBox::valueChanged, m_lines, [this] { m_lines->setChecked(true); });
    return group;
}

QWidget* FormulaDialog::buildLevel()
{
    auto* group = new QGroupBox(QStringLiteral("Level"));
    m_normalize = new QRadioButton(QStringLiteral("&Normalize"));
    m_normalize->setObjectName(QStringLiteral("optNormalize"));
    m_normalize->setChecked(true);
    m_asWritten = new QRadioButton(QStringLiteral("&As written (1.0 is 500)"));
    m_asWritten->setObjectName(QStringLiteral("optAsWritten"));
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_normalize);
    row->addWidget(m_asWritten);
    return group;
}

void FormulaDialog::openForEditing()
{
    open();
    raise();
    activateWindow();
    // After showing: a dialog shown gives the focus to its default button.
    m_expression->setFocus(Qt::OtherFocusReason);
    m_expression->selectAll();
}

FormulaRequest FormulaDialog::request(int currentLine) const
{
    FormulaRequest request;
    request.expression = m_expression->text().toStdString();
    request.fromLine = appliesToLines() ? m_from->value() : currentLine;
    request.toLine = appliesToLines() ? m_to->value() : currentLine;
    request.level = m_asWritten->isChecked() ? FormulaLevel::AsWritten : FormulaLevel::Normalize;
    return request;
}

bool FormulaDialog::appliesToLines() const
{
    return m_lines->isChecked();
}

void FormulaDialog::accept()
{
    if (m_apply())
        QDialog::accept();
}

} // namespace ondulix
