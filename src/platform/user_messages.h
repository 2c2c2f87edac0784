#pragma once

#include <QString>

class QWidget;

namespace ondulix {

// Where the program tells the user that something failed and why.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void tell(const QString& text) = 0;
};

// A warning box over the window.
class MessageBoxSink : public MessageSink
{
public:
    explicit MessageBoxSink(QWidget* parent)
        : m_parent(parent)
    { }

    void tell(const QString& text) override;

private:
    QWidget* m_parent;
};

} // namespace ondulix
