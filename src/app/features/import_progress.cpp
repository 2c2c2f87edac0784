#include "app/features/import_progress.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace ondulix {

namespace {

// A short import never shows a dialog; a long one shows it before the wait is felt.
constexpr int kQuietMs = 300;
constexpr int kPollMs = 15;

// Not a QProgressDialog: a modal one runs the event loop inside each setValue.
class ProgressDialog : public QDialog
{
public:
    ProgressDialog(const QString& fileName, QWidget& window)
        : QDialog(&window)
    {
        setObjectName(QStringLiteral("importProgress"));
        setWindowTitle(QStringLiteral("Import"));
        setWindowModality(Qt::ApplicationModal);
        m_bar->setRange(0, 1000);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(new QLabel(QStringLiteral("Importing \"%1\"...").arg(fileName)));
        layout->addWidget(m_bar);
        layout->addWidget(buttons);
    }

    void show(int permille) { m_bar->setValue(permille); }

private:
    QProgressBar* m_bar = new QProgressBar;
};

} // namespace

std::optional<ReadResult<ImportedWaves>> waitForImport(
    ImportJob& job, const QString& fileName, QWidget& window)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (job.finished())
            loop.quit();
    });
    poll.start(kPollMs);
    QElapsedTimer quiet;
    quiet.start();
    while (!job.finished() && quiet.elapsed() < kQuietMs)
        loop.processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    if (!job.finished()) {
        ProgressDialog dialog(fileName, window);
        QObject::connect(&dialog, &QDialog::rejected, &loop, [&job] { job.cancel(); });
        QObject::connect(&poll, &QTimer::timeout, &dialog, [&] { dialog.show(job.permille()); });
        dialog.show(job.permille());
        dialog.QDialog::show();
        loop.exec();
    }
    return job.take();
}

} // namespace ondulix
