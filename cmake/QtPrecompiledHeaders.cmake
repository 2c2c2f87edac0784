# Qt's headers are most of what each source of the window, its tests and its benchmarks
# compiles. Precompiled once for each target that uses them, they cost its sources next to
# nothing; `make test` compiles them in two builds. The list is what those sources include most;
# a header missing from it is still parsed as usual.
set(ONDULIX_QT_PRECOMPILED_HEADERS
    <QAction> <QApplication> <QDir> <QFileInfo> <QKeyEvent> <QLabel> <QMenu> <QMessageBox>
    <QMouseEvent> <QObject> <QPainter> <QScrollBar> <QString> <QTimer> <QWidget>)

# ondulix_precompile_qt_headers(TARGET [MORE_HEADERS...])
function(ondulix_precompile_qt_headers target)
    target_precompile_headers(${target} PRIVATE ${ONDULIX_QT_PRECOMPILED_HEADERS} ${ARGN})
endfunction()
