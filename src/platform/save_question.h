#pragma once

#include <QString>

class QWidget;

namespace ondulix {

// The question asked before the window closes on a table that changed since it was last
// opened or saved.
class SaveQuestion
{
public:
    enum class Answer
    {
        Save,
        Discard,
        Cancel,
    };

    virtual ~SaveQuestion() = default;
    virtual Answer ask(const QString& text) = 0;
};

// A question box over the window with Save, Discard and Cancel.
class SaveQuestionBox : public SaveQuestion
{
public:
    explicit SaveQuestionBox(QWidget* parent)
        : m_parent(parent)
    { }

    Answer ask(const QString& text) override;

private:
    QWidget* m_parent;
};

} // namespace ondulix
