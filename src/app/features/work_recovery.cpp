#include "app/features/work_recovery.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "files/recovery_file.h"
#include "files/whole_file.h"
#include "platform/native_path.h"
#include "platform/recovery_question.h"
#include "platform/user_messages.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLockFile>
#include <QWidget>

namespace ondulix {

namespace {

// Often enough that little is lost, seldom enough that a long drag costs nothing.
constexpr int kKeepDelayMs = 1000;
constexpr std::size_t kLargestRecoveryFile = 1 << 20;
const QString kSuffix = QStringLiteral(".recovery");

QString stateFolderOf(const QString& given)
{
    if (!given.isEmpty())
        return given;
    // Qt 6.4 has no StateLocation. A relative XDG path is to be ignored, as the standard says.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/ondulix");
}

// Held for as long as the program runs; a program that ended leaves it to be taken.
std::unique_ptr<QLockFile> lockOf(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock->setStaleLockTime(0); // stale only once its program is gone, however long it ran
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

} // namespace

WorkRecovery::WorkRecovery(const FeatureContext& context, RecoveryQuestion& question,
    const QString& stateFolder, std::optional<QString> startFile)
    : QObject(&context.window)
    , m_editor(context.editor)
    , m_messages(context.messages)
    , m_question(question)
    , m_folder(stateFolderOf(stateFolder))
    , m_startFile(std::move(startFile))
{
    setObjectName(QStringLiteral("workRecovery"));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &WorkRecovery::keep);
    connect(&m_editor.changes(), &ChangeSignals::actionEnded, this, &WorkRecovery::keepSoon);
    connect(&m_editor.changes(), &ChangeSignals::csvSaved, this, &WorkRecovery::keepSoon);
    context.window.installEventFilter(this);
}

// The program ends as it should only once the window closed: nothing is unsaved, or the close
// question was answered Save or Discard.
WorkRecovery::~WorkRecovery()
{
    m_timer.stop();
    if (m_kept)
        m_writer.remove(toNativePath(m_ownFile));
    m_writer.finish();
}

bool WorkRecovery::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Show && !m_started) {
        m_started = true;
        // Once the window is up, so that a question stands over it.
        QTimer::singleShot(0, this, &WorkRecovery::start);
    }
    return false;
}

void WorkRecovery::start()
{
    QDir().mkpath(m_folder);
    const bool recovered = offerLeftWork();
    if (const std::optional<QString> path = std::exchange(m_startFile, std::nullopt)) {
        m_editor.openTable(*path);
        // Where the window starts is no step to undo, unless it starts from recovered work.
        if (!recovered)
            m_editor.forgetHistory();
    }
    m_ownFile = QStringLiteral("%1/work-%2-%3%4")
                    .arg(m_folder)
                    .arg(QCoreApplication::applicationPid())
                    .arg(QDateTime::currentMSecsSinceEpoch())
                    .arg(kSuffix);
    m_ownLock = lockOf(m_ownFile);
    keepSoon();
}

// Newest first; once one is recovered, the others wait for a later start.
bool WorkRecovery::offerLeftWork()
{
    const QFileInfoList left
        = QDir(m_folder).entryInfoList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : left) {
        if (offer(file.absoluteFilePath()))
            return true;
    }
    return false;
}

bool WorkRecovery::offer(const QString& path)
{
    const std::unique_ptr<QLockFile> lock = lockOf(path);
    if (!lock)
        return false; // its program still runs
    const WholeFile file = readWholeFile(toNativePath(path), kLargestRecoveryFile);
    ReadResult<KeptWork> read = file.bytes ? readKeptWork(*file.bytes) : Refusal {file.failure};
    if (const Refusal* refusal = refusalIn(read)) {
        const QString aside = path + QStringLiteral(".unreadable");
        QFile::rename(path, aside);
        m_messages.tell(
            QStringLiteral("The recovery file \"%1\" could not be read (%2%3), so "
                           "nothing was recovered. It was moved aside as \"%4\".")
                .arg(path,
                    refusal->line > 0 ? QStringLiteral("line %1: ").arg(refusal->line) : QString(),
                    QString::fromStdString(refusal->reason), aside));
        return false;
    }
    const KeptWork& work = std::get<KeptWork>(read);
    switch (m_question.ask(QStringLiteral("Ondulix ended before this work was saved (written %1). "
                                          "Recover it?")
                               .arg(QString::fromStdString(work.written)))) {
    case RecoveryQuestion::Answer::Later:
        return false;
    case RecoveryQuestion::Answer::Discard:
        QFile::remove(path);
        return false;
    case RecoveryQuestion::Answer::Recover:
        m_editor.recoverWork(work.table, work.line, work.sliders, fromNativeText(work.csvFileName));
        QFile::remove(path);
        return true;
    }
    return false;
}

// Every action passes here; the state is looked at only when the timer fires.
void WorkRecovery::keepSoon()
{
    if (m_started && m_ownLock && !m_timer.isActive())
        m_timer.start(kKeepDelayMs);
}

void WorkRecovery::keep()
{
    if (m_editor.hasUnsavedWork()) {
        KeptWork work {m_editor.table(), m_editor.line(), m_editor.wave(),
            toNativeText(m_editor.csvFileName()),
            QDateTime::currentDateTime()
                .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                .toStdString()};
        m_writer.write(toNativePath(m_ownFile), keptWorkText(work));
        m_kept = true;
    } else if (m_kept) {
        m_writer.remove(toNativePath(m_ownFile));
        m_kept = false;
    }
    if (const auto failure = m_writer.takeFailure();
        failure && !std::exchange(m_failureTold, true)) {
        m_messages.tell(QStringLiteral("Work that is in no file cannot be kept for recovery: %1.")
                            .arg(QString::fromStdString(*failure)));
    }
}

} // namespace ondulix
