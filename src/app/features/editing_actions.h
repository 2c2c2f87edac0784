#pragma once

#include "wave/sample_set.h"

#include <QObject>

class QWidget;

namespace ondulix {

class Editor;
struct FeatureContext;

// Editing beyond the laid-out controls, by window-wide keys and the graph's menu: undo and
// redo, copy and paste in the program's own text, and the wave transforms. Each edit is one
// step of the history and writes through the sliders, so every change handler runs.
class EditingActions : public QObject
{
    Q_OBJECT

public:
    explicit EditingActions(const FeatureContext& context);

private:
    void applyTransform(Wave (*transform)(const Wave&));

    QWidget& m_window;
    Editor& m_editor;
};

} // namespace ondulix
