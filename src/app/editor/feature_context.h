#pragma once

class QWidget;

namespace ondulix {

class Editor;
class FileChooser;
class GraphMenu;
class MessageSink;
class PlayedDepth;
class ToolWindows;

// What the window lends each feature object. Never the window's controls: a feature reaches
// what the user edits only through the editor, and other features not at all. A feature keeps
// only the parts it uses.
struct FeatureContext
{
    QWidget& window; // the parent of dialogs and tool windows, the host of window-wide keys
    Editor& editor; // the wave, the table, the line, the history and the table's file
    GraphMenu& menu; // the graph's context menu, in named sections
    ToolWindows& toolWindows; // shows each tool window where it covers no other
    MessageSink& messages;
    FileChooser& files; // the features' own file dialogs; takes the drawing flag down first
    PlayedDepth& depth; // the chip depth of the session: what is heard, shown and drawn
};

} // namespace ondulix
