#pragma once

#include <QString>

class QWidget;

namespace ondulix {

// The question asked at the start when a program that is no longer running left work that is
// in no file.
class RecoveryQuestion
{
public:
    enum class Answer
    {
        Recover,
        Discard,
        Later, // ask again at the next start
    };

    virtual ~RecoveryQuestion() = default;
    virtual Answer ask(const QString& text) = 0;
};

// A question box with Recover (the default), Discard and Later.
class RecoveryQuestionBox : public RecoveryQuestion
{
public:
    explicit RecoveryQuestionBox(QWidget* parent)
        : m_parent(parent)
    { }

    Answer ask(const QString& text) override;

private:
    QWidget* m_parent;
};

} // namespace ondulix
