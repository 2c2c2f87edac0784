#include "app/features/import_landing_dialog.h"

#include "platform/line_box.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace ondulix {

ImportLandingDialog::ImportLandingDialog(QWidget& parent, const QString& what)
    : QDialog(&parent)
    , m_from(lineBox(QStringLiteral("spnLandFrom"), 1))
    , m_to(lineBox(QStringLiteral("spnLandTo"), kPatternLineCount))
    , m_plain(new QRadioButton(QStringLiteral("&Plain: each point the mean of its part")))
{
    setObjectName(QStringLiteral("importLanding"));
    setWindowTitle(QStringLiteral("Import into lines"));
    auto* smooth = new QRadioButton(QStringLiteral("&Smooth: harmonics 0 to 15 kept"));
    smooth->setChecked(true);
    m_plain->setObjectName(QStringLiteral("optLandPlain"));
    connect(m_from, &QSpinBox::valueChanged, m_to, [this](int from) { m_to->setMinimum(from); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(new QLabel(QStringLiteral("%1 fills lines.").arg(what)));
    form->addRow(QStringLiteral("&From line:"), m_from);
    form->addRow(QStringLiteral("&To line:"), m_to);
    form->addRow(QStringLiteral("Resampling:"), smooth);
    form->addRow(QString(), m_plain);
    form->addRow(buttons);
}

LineLanding ImportLandingDialog::landing() const
{
    return {
        m_from->value(), m_to->value(), m_plain->isChecked() ? CycleFit::Plain : CycleFit::Smooth};
}

} // namespace ondulix
