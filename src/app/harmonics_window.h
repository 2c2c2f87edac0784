#pragma once

#include <QObject>
#include <QPointer>

namespace ondulix {

class HarmonicsView;
class SampleSet;
struct FeatureContext;

// Ctrl+H: the wave's harmonics in a small window beside the main one, following every change
// of a sample, whoever makes it.
class HarmonicsWindow : public QObject
{
    Q_OBJECT

public:
    explicit HarmonicsWindow(const FeatureContext& context);
    ~HarmonicsWindow() override;

private:
    void showHarmonics();
    void followWave();

    QWidget& m_window;
    const SampleSet& m_samples;
    QPointer<HarmonicsView> m_view;
};

} // namespace ondulix
