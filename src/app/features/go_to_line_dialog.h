#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

namespace ondulix {

// "Go to line": the number of a line. OK (or Enter) hands the text on, and the dialog closes only
// once it was taken, so that a wrong number can be mended; Cancel (or Escape) changes nothing.
class GoToLineDialog : public QDialog
{
    Q_OBJECT

public:
    // `go` goes to the line the text names and says whether it did.
    GoToLineDialog(QWidget& parent, std::function<bool(const QString& text)> go);

    // Opens it on the current line's number, selected, so that typing replaces it.
    void openAt(int line);

    void accept() override;

private:
    std::function<bool(const QString&)> m_go;
    QLineEdit* m_line = nullptr;
};

} // namespace ondulix
