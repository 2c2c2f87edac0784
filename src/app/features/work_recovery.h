#pragma once

#include "files/background_writer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

class QLockFile;

namespace ondulix {

class Editor;
class MessageSink;
class RecoveryQuestion;
struct FeatureContext;

// Work in no file survives a crash, a kill or a power cut. While the table or the sliders hold
// such work, a recovery file of this program's own, in the user's state folder, keeps it: the
// whole table, the line, the sliders and the CSV file name, written within a second of a
// change and never more than once a second, on a thread of its own through the atomic writer.
// It goes once nothing is unsaved, and when the program ends as it should.
//
// At the start, before anything else (the file named on the command line comes after), a file
// left by a program no longer running is offered: Recover, Discard or Later. A lock held while
// a program runs tells the two apart, so two programs at once never offer each other's.
class WorkRecovery : public QObject
{
    Q_OBJECT

public:
    // `stateFolder` empty: $XDG_STATE_HOME/ondulix, or ~/.local/state/ondulix.
    WorkRecovery(const FeatureContext& context, RecoveryQuestion& question,
        const QString& stateFolder, std::optional<QString> startFile);
    ~WorkRecovery() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start();
    bool offerLeftWork();
    bool offer(const QString& path);
    bool recover(const QString& path);
    void keepSoon();
    void keep();

    Editor& m_editor;
    MessageSink& m_messages;
    RecoveryQuestion& m_question;
    QString m_folder;
    std::optional<QString> m_startFile;
    QString m_ownFile;
    std::unique_ptr<QLockFile> m_ownLock;
    QTimer m_timer;
    bool m_started = false;
    bool m_kept = false; // the own file is there, or on its way
    bool m_failureTold = false;
    BackgroundWriter m_writer;
};

} // namespace ondulix
