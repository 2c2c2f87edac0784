# Qt's headers are most of what each source of the window, its tests and its benchmarks
# compiles. Precompiled once for each target that uses them, they cost its sources next to
# nothing; `make test` compiles them in two builds. The list is what those sources include most;
# a header missing from it is still parsed as usual.
set(ONDULIX_QT_PRECOMPILED_HEADERS
    <QAction> <QApplication> <QDir> <QFileInfo> <QKeyEvent> <QLabel> <QMenu> <QMessageBox>
    <QMouseEvent> <QObject> <QPainter> <QScrollBar> <QString> <QTimer> <QWidget>)

# ondulix_precompile_qt_headers(TARGET): for a library of several sources.
function(ondulix_precompile_qt_headers target)
    target_precompile_headers(${target} PRIVATE ${ONDULIX_QT_PRECOMPILED_HEADERS})
endfunction()

# ondulix_reuse_qt_headers(TARGET): for a program on ondulix_app with a few sources, whose own
# precompiled header would cost more than it saves. The macros it adds (QT_TESTLIB_LIB and the
# like) appear in none of these headers, which is what GCC asks for a header to be reused.
function(ondulix_reuse_qt_headers target)
    target_precompile_headers(${target} REUSE_FROM ondulix_app)
endfunction()
