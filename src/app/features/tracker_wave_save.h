#pragma once

#include "files/tracker_wave_file.h"

#include <QObject>
#include <QString>

class QMenu;
class QWidget;

namespace ondulix {

class FileChooser;
class MessageSink;
class SampleSet;
struct FeatureContext;

// The format a file name asks for: .dmw is DefleMask's, anything else Furnace's.
TrackerWaveFormat trackerWaveFormatFor(const QString& path);

// "Save tracker wave", beside "Copy as tracker wave" in the graph's menu and at the same
// depths: writes the current wave as a Furnace or DefleMask wave file, saved atomically. Its
// dialog is its own and opens in the folder of the last save.
class TrackerWaveSave : public QObject
{
    Q_OBJECT

public:
    explicit TrackerWaveSave(const FeatureContext& context);

private:
    QMenu* depthMenu();
    void save(int bits);

    QWidget& m_window;
    const SampleSet& m_samples;
    FileChooser& m_files;
    MessageSink& m_messages;
    QString m_folder;
};

} // namespace ondulix
