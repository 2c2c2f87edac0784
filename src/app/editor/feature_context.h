#pragma once

class QWidget;

namespace ondulix {

class ChangeSignals;
class EditHistory;
class FileChooser;
class GraphMenu;
class LineSelector;
class LineWriter;
class MessageSink;
class PatternTable;
class PlayedDepth;
class SampleSet;

// What the window lends each feature object: the editor's state through the small interfaces
// that the operations use, the ways to ask and tell the user, and the signals that follow
// every change. Never the window's controls. A feature keeps only the parts it uses.
struct FeatureContext
{
    QWidget& window; // the parent of dialogs and tool windows, the host of window-wide keys
    GraphMenu& menu; // the graph's context menu; each feature adds its section
    SampleSet& samples; // the wave in the sliders: each write runs the change handler
    PatternTable& table;
    LineSelector& lines; // a new line pages, as VScroll1 does
    EditHistory& history;
    LineWriter& lineWriter; // several lines as one undo step
    ChangeSignals& changes;
    MessageSink& messages;
    FileChooser& files; // the features' own file dialogs; takes the drawing flag down first
    PlayedDepth& depth; // the chip depth of the session: what is heard, shown and drawn
};

} // namespace ondulix
