#pragma once

#include <QString>

// The one seam for every modal message box, input box and beep. The program
// uses the Qt implementation; tests install a scripted one that records each
// request and answers from a queue.
class Dialogs
{
public:
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Icon { None, Critical, Question, Exclamation, Information };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~Dialogs() = default;

    virtual Answer messageBox(const QString &text, Buttons buttons, Icon icon, const QString &title) = 0;
    // Returns the typed text, or an empty text when the user cancels.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &defaultText = {}) = 0;
    virtual void beep() = 0;

    // The installed implementation; the Qt one when none was installed.
    static Dialogs &instance();
    // Installs an implementation the caller keeps alive; nullptr restores the Qt one.
    static void install(Dialogs *dialogs);
};

// QMessageBox, QInputDialog and QApplication::beep, parented to the active window.
class QtDialogs : public Dialogs
{
public:
    Answer messageBox(const QString &text, Buttons buttons, Icon icon, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &defaultText = {}) override;
    void beep() override;
};
