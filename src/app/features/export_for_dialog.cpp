#include "app/features/export_for_dialog.h"

#include "files/tracker_wave_file.h"
#include <QCheckBox>
#include <QComboBox>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ondulix {

namespace {

// A tracker wave's depth when the user has not chosen one: the Game Boy's, as quenfer's.
constexpr int kTrackerWaveBits = 4;
constexpr int kMemoryWordBits = 16;
constexpr int kListWidth = 640;
constexpr int kListHeight = 320;

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString text(std::string_view view)
{
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

int samplesOf(const ExportTarget& target, OutputFormat format)
{
    return isChip(target) ? target.samples : targetOf(format).samples;
}

} // namespace

ExportForDialog::ExportForDialog(QWidget* parent)
    : QDialog(parent)
    , m_targets(named(new QTreeWidget(this), "lstExportTargets"))
    , m_format(named(new QComboBox(this), "cboExportFormat"))
    , m_resampling(named(new QComboBox(this), "cboExportResampling"))
    , m_wordWidth(named(new QSpinBox(this), "spnExportWordWidth"))
    , m_unsigned(named(
          new QCheckBox(QStringLiteral("&Unsigned (offset binary)"), this), "chkExportUnsigned"))
    , m_fileALine(named(new QCheckBox(QStringLiteral("A &file a line, into a folder"), this),
          "chkExportFileALine"))
{
    setObjectName(QStringLiteral("exportForDialog"));
    setWindowTitle(QStringLiteral("Export for"));
    fillTargets();
    m_resampling->addItems({QStringLiteral("Hold each sample"), QStringLiteral("Smooth")});
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("F&ormat:"), m_format);
    form->addRow(QStringLiteral("&Resampling:"), m_resampling);
    form->addRow(QStringLiteral("&Word width:"), m_wordWidth);
    form->addRow(m_unsigned);
    form->addRow(m_fileALine);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_targets);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(m_targets, &QTreeWidget::currentItemChanged, this, &ExportForDialog::targetChosen);
    connect(m_format, &QComboBox::currentIndexChanged, this, &ExportForDialog::formatChosen);
    chooseTarget(exportTargets().front().name);
}

// A group's entry only heads its targets: it cannot be chosen.
void ExportForDialog::fillTargets()
{
    m_targets->setColumnCount(2);
    m_targets->setHeaderLabels({QStringLiteral("Target"), QStringLiteral("What it writes")});
    m_targets->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    // Wide enough for the longest line of what a target writes, and a group or two in view.
    m_targets->setMinimumSize(kListWidth, kListHeight);
    const QString groups[] = {QStringLiteral("Chips and trackers"),
        QStringLiteral("Hardware memory"), QStringLiteral("Modules and synthesizers")};
    for (const QString& title : groups) {
        auto* group = new QTreeWidgetItem(m_targets, {title});
        group->setFlags(Qt::ItemIsEnabled);
        group->setExpanded(true);
    }
    const std::span<const ExportTarget> targets = exportTargets();
    for (std::size_t i = 0; i < targets.size(); ++i) {
        auto* group = m_targets->topLevelItem(static_cast<int>(targets[i].group));
        auto* item = new QTreeWidgetItem(group, {text(targets[i].name), text(targets[i].writes)});
        item->setData(0, Qt::UserRole, static_cast<int>(i));
    }
}

void ExportForDialog::chooseTarget(std::string_view name)
{
    const QList<QTreeWidgetItem*> found
        = m_targets->findItems(text(name), Qt::MatchExactly | Qt::MatchRecursive);
    if (!found.isEmpty())
        m_targets->setCurrentItem(found.front());
}

const ExportTarget& ExportForDialog::target() const
{
    const QTreeWidgetItem* item = m_targets->currentItem();
    return exportTargets()[item ? item->data(0, Qt::UserRole).toUInt() : 0];
}

OutputFormat ExportForDialog::format() const
{
    return static_cast<OutputFormat>(m_format->currentData().toInt());
}

// A chip goes into any format that holds its waves; every other target is its format. The keys
// may land on a group's heading, which stands for its first target.
void ExportForDialog::targetChosen()
{
    if (QTreeWidgetItem* item = m_targets->currentItem(); item && item->childCount() > 0) {
        m_targets->setCurrentItem(item->child(0));
        return;
    }
    const ExportTarget& chosen = target();
    const QSignalBlocker quiet(m_format);
    m_format->clear();
    for (const FormatName& entry : formatNames()) {
        if (isChip(chosen) ? chipTakesFormat(chosen, entry.format) : chosen.format == entry.format)
            m_format->addItem(text(entry.name), static_cast<int>(entry.format));
    }
    m_format->setEnabled(isChip(chosen));
    formatChosen();
}

void ExportForDialog::formatChosen()
{
    const ExportTarget& chosen = target();
    const OutputFormat chosenFormat = format();
    const bool freeWidth = !isChip(chosen) && chosen.bits == 0;
    const bool tracker = isTrackerWave(chosenFormat);
    m_wordWidth->setEnabled(freeWidth);
    m_wordWidth->setRange(tracker ? kTrackerFileLeastBits : kMinWordBits,
        tracker ? kTrackerFileMostBits : kMaxWordBits);
    m_wordWidth->setValue(tracker ? kTrackerWaveBits : kMemoryWordBits);
    m_unsigned->setEnabled(freeWidth && !tracker);
    m_fileALine->setEnabled(tracker);
    m_resampling->setEnabled(samplesOf(chosen, chosenFormat) > kSampleCount);
}

ExportRequest ExportForDialog::request() const
{
    ExportRequest request;
    request.format = format();
    request.chip = isChip(target()) ? &target() : nullptr;
    request.words.bits = m_wordWidth->value();
    if (m_unsigned->isEnabled() && m_unsigned->isChecked())
        request.words.encoding = WordEncoding::OffsetBinary;
    if (m_resampling->isEnabled() && m_resampling->currentIndex() == 1)
        request.resampling = Resampling::Smooth;
    request.everyLine = m_fileALine->isEnabled() && m_fileALine->isChecked();
    return request;
}

} // namespace ondulix
