#include "app/features/morph_dialog.h"

#include "platform/line_box.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ondulix {

MorphDialog::MorphDialog(QWidget* parent, std::function<bool()> morph)
    : QDialog(parent)
    , m_morph(std::move(morph))
{
    setObjectName(QStringLiteral("morphDialog"));
    setWindowTitle(QStringLiteral("Morph lines"));
    auto* form = new QFormLayout;
    m_from = lineBox(QStringLiteral("spnMorphFrom"));
    m_to = lineBox(QStringLiteral("spnMorphTo"));
    form->addRow(QStringLiteral("&From line:"), m_from);
    form->addRow(QStringLiteral("&To line:"), m_to);
    m_crossfade = new QRadioButton(QStringLiteral("&Crossfade"), this);
    m_crossfade->setObjectName(QStringLiteral("optMorphCrossfade"));
    m_spectral = new QRadioButton(QStringLiteral("&Spectral"), this);
    m_spectral->setObjectName(QStringLiteral("optMorphSpectral"));
    form->addRow(m_crossfade);
    form->addRow(m_spectral);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void MorphDialog::setChoice(int fromLine, int toLine, MorphKind kind)
{
    m_from->setValue(fromLine);
    m_to->setValue(toLine);
    (kind == MorphKind::Spectral ? m_spectral : m_crossfade)->setChecked(true);
    m_from->setFocus();
    m_from->selectAll();
}

int MorphDialog::fromLine() const
{
    return m_from->value();
}

int MorphDialog::toLine() const
{
    return m_to->value();
}

MorphKind MorphDialog::kind() const
{
    return m_spectral->isChecked() ? MorphKind::Spectral : MorphKind::Crossfade;
}

void MorphDialog::accept()
{
    if (m_morph())
        QDialog::accept();
}

} // namespace ondulix
