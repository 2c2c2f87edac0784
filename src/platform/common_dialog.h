#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace ondulix {

// Asks for short (8.3) file names. Systems without short names pass names as chosen.
inline constexpr quint32 kNoLongNamesFlag = 0x40000;

// What the shared file dialog keeps between operations.
struct DialogSettings
{
    QString title;
    QString filter;
    QString defaultExt;
    QString fileName;
    QString initDir;
    quint32 flags = 0;

    friend bool operator==(const DialogSettings&, const DialogSettings&) = default;
};

// The window's one file dialog. Each operation sets only some settings; the others keep what
// an earlier operation left, so a title or filter set for the compiler still shows when a CSV
// file is saved afterwards. Users of the program know the dialog that way, so it stays so.
class CommonDialog
{
public:
    enum class Mode
    {
        Open,
        Save
    };

    virtual ~CommonDialog() = default;

    const DialogSettings& settings() const { return m_settings; }
    void setTitle(const QString& title) { m_settings.title = title; }
    void setFilter(const QString& filter) { m_settings.filter = filter; }
    void setDefaultExt(const QString& extension) { m_settings.defaultExt = extension; }
    void setFileName(const QString& fileName) { m_settings.fileName = fileName; }
    void setInitDir(const QString& folder) { m_settings.initDir = folder; }
    void setFlags(quint32 flags) { m_settings.flags = flags; }

    // Shows the dialog and returns the full path of the chosen file, which also becomes the
    // dialog's file name; nothing when the user cancels, and then the file name stays.
    std::optional<QString> showOpen(QWidget* parent) { return show(Mode::Open, parent); }
    std::optional<QString> showSave(QWidget* parent) { return show(Mode::Save, parent); }

protected:
    virtual std::optional<QString> pick(Mode mode, const DialogSettings& settings, QWidget* parent)
        = 0;

private:
    std::optional<QString> show(Mode mode, QWidget* parent)
    {
        std::optional<QString> chosen = pick(mode, m_settings, parent);
        if (chosen)
            m_settings.fileName = *chosen;
        return chosen;
    }

    DialogSettings m_settings;
};

} // namespace ondulix
